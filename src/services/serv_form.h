// The dialog that changes a service's start type.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "ui/toolkit.h"

namespace tarnix {

class TfrmServ {
 public:
  // The dialog's choices: none, or one of the three start types.
  enum Choice { NoChange = 0, Automatic = 1, Manual = 2, Disabled = 3 };

  explicit TfrmServ(ui::Toolkit& toolkit);

  // Shows the dialog modally with the radio button of the start type checked (none when the
  // start type is unknown or none of the three); the start type chosen, or nothing when the
  // dialog was cancelled or left without a choice.
  std::optional<uint32_t> Execute(std::optional<uint32_t> startType);

  void BitBtn1Click();
  void BitBtn2Click();

  std::unique_ptr<ui::Form> form;
  ui::GroupBox* GroupBox1 = nullptr;
  ui::RadioButton* r_auto = nullptr;
  ui::RadioButton* r_man = nullptr;
  ui::RadioButton* r_dis = nullptr;
  ui::Button* BitBtn1 = nullptr;
  ui::Button* BitBtn2 = nullptr;
  int result = NoChange;

 private:
  void CheckStartType(std::optional<uint32_t> startType);
};

// The service manager's start type for a choice of the dialog; nothing for NoChange.
std::optional<uint32_t> StartTypeOfChoice(int choice);

}  // namespace tarnix
