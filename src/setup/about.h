// The about box.
#pragma once

#include <memory>

#include "sources/workspace.h"

namespace tarnix {

// The maker's addresses, in the domain reserved for examples until the product has its own.
inline constexpr char kMakerWebPage[] = "http://www.movenda.example/";
inline constexpr char kMakerMail[] = "tarnix@movenda.example";

class TAboutBox {
 public:
  explicit TAboutBox(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
  ui::Panel* Panel1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Version = nullptr;
  ui::Label* Label2 = nullptr;
  ui::ImageList* ImageList1 = nullptr;
  ui::ToolBar* ToolBar1 = nullptr;
  ui::ToolButton* ToolButton1 = nullptr;
  ui::ToolButton* ToolButton2 = nullptr;
  ui::Button* OKButton = nullptr;

  // The workspace whose toolkit opens the addresses; set before the box is shown.
  Workspace* ws = nullptr;

  void ToolButton1Click();
  void ToolButton2Click();

 private:
  void Open(const std::string& address);
};

// Shows the about box modally.
void ShowAbout(Workspace& ws, TAboutBox& box);

}  // namespace tarnix
