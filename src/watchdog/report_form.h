// The change report window TForm1: one changed section's lines with their marks, and the
// user's decision. The window changes nothing itself; the change check fills it, shows it and
// carries the decision out.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit.h"
#include "watchdog/edit_line_form.h"
#include "watchdog/report_list.h"

namespace tarnix {

enum class ReportResult { None = 0, Confirm = 1, ChangeBack = 2, SaveList = 3 };

class TForm1 {
 public:
  // The editor is only kept, not used, here: it may be created after this window.
  TForm1(ui::Toolkit& toolkit, Teditline& editline);

  // What the check uses.
  void SetList(const std::vector<ChangeLine>& lines);
  void SetList(const ReportList& lines);
  std::vector<ChangeLine> List() const;
  void SetHeading(const std::string& text);
  // Shows the window modally with the result None; the decision the user took.
  ReportResult ShowReport();

  // Handlers.
  void BitBtn2Click();
  void btnCancelClick();
  void btnSaveClick();
  void btnEditClick();
  void ListBox1DblClick();
  void Button1Click();
  void FormKeyDown(int& key, ui::ShiftState shift);

  std::unique_ptr<ui::Form> form;
  ui::ImageList* ImageList1 = nullptr;
  ui::Label* kname1 = nullptr;
  ui::Button* btnEdit = nullptr;
  ui::Button* Button1 = nullptr;
  ui::Button* btnSave = nullptr;
  ui::Picture* Image1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::Picture* Image2 = nullptr;
  ui::Label* Label3 = nullptr;
  ui::ListBox* ListBox1 = nullptr;
  ui::Panel* Panel1 = nullptr;
  ui::Button* BitBtn2 = nullptr;
  ui::Button* btnCancel = nullptr;
  ui::Button* BitBtn1 = nullptr;
  ReportResult reportResult = ReportResult::None;

 private:
  void Decide(ReportResult result);

  Teditline& editline_;
};

}  // namespace tarnix
