#include "sources/restart_offer.h"

#include "base/command_line.h"
#include "sources/error_box.h"
#include "sources/loading.h"

namespace tarnix {

namespace {

std::string Question(Workspace& ws) {
  std::string text =
      "Windows refused the change: Tarnix2 runs without administrator rights.\r\n\r\n"
      "Restart Tarnix2 as administrator?";
  // The new instance reads every place again; a page's unsaved edits are not carried over.
  if (AnyTextModified(ws))
    text += "\r\n\r\nThe edits that were not saved will be lost.";
  return text;
}

void HoldInstanceMark(Workspace& ws, bool held) {
  if (ws.holdInstanceMark)
    ws.holdInstanceMark(held);
}

}  // namespace

void OfferRestart(Workspace& ws, StoreFailure failure) {
  if (failure != StoreFailure::AccessDenied || ws.restartOffered || ws.toolkit.Elevated())
    return;
  ws.restartOffered = true;
  if (ws.toolkit.MessageBox(ws.mainForm, Question(ws), "Attention!",
                            ui::mb::YesNo | ui::mb::IconQuestion) != ui::mb::IdYes)
    return;
  // Released first: the new instance must not take this one for a running copy to bring
  // forward.
  HoldInstanceMark(ws, false);
  const ui::ElevatedStart start = ws.toolkit.StartElevated(JoinArguments(ws.arguments));
  if (start.started)
    ws.toolkit.EndAtOnce();
  HoldInstanceMark(ws, true);
  if (!start.error.empty())
    ShowError(ws, start.error);
}

void Tell(Workspace& ws, const StoreResult& result) {
  if (result)
    return;
  ShowError(ws, result.text);
  OfferRestart(ws, result.failure);
}

}  // namespace tarnix
