// What one run of the change check works with, and how it reports the failures it goes on
// after.
#pragma once

#include <functional>
#include <string>

#include "sources/workspace.h"
#include "watchdog/report_form.h"

namespace tarnix {

class CheckRun {
 public:
  CheckRun(Workspace& workspace, TForm1& reportWindow) : ws(workspace), report(reportWindow) {}

  // Takes the result of a log write: the first refused one of this run is told.
  void Logged(const StoreResult& written);
  // Runs a snapshot write; a refused one is told and gives false.
  bool WriteSnapshot(const std::function<StoreResult()>& write);

  Workspace& ws;
  TForm1& report;

 private:
  bool logRefused_ = false;
};

}  // namespace tarnix
