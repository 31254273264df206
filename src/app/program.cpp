#include "app/program.h"

#include <cctype>

#include "base/time_spans.h"
#include "setup/setup_commands.h"
#include "sources/loading.h"
#include "sources/task_page.h"
#include "watchdog/check.h"
#include "watchdog/snapshot.h"

namespace tarnix {

ui::Toolkit& Titled(ui::Toolkit& toolkit) {
  // A second instance finds this one by the application window's title.
  toolkit.SetTitle("Tarnix2");
  return toolkit;
}

namespace {

std::string LowerCase(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

}  // namespace

std::string CommandOf(const std::vector<std::string>& arguments) {
  return arguments.empty() ? std::string() : LowerCase(arguments.front());
}

void LocateProgramFolder(Workspace& ws) {
  const std::string path = ws.store.ProgramPath();
  ws.programFolder = path.substr(0, path.rfind('\\') + 1);
  ws.logPath = ws.programFolder + "tx2log.txt";
}

void QuitWithSavePrompt(Workspace& ws) {
  ws.dataChanged = ws.dataChanged || AnyTextModified(ws);
  if (ws.dataChanged &&
      ws.toolkit.MessageBox(ws.mainForm, "The data were changed! Save ?", "Attention!",
                            ui::mb::YesNo | ui::mb::IconInfo) == ui::mb::IdYes) {
    // The question offers no way back: a save that fails is shown, and the program ends.
    ws.toolkit.Dispatch([&ws] { SaveAll(ws); });
  }
  ws.toolkit.Terminate();
}

// Setup's shortcuts are written by the platform's shortcut interface; a program wired without
// one writes none and says so.
WriteShortcutFn ProgramShortcutWriter(Workspace& ws) {
  return [&ws](const ShortcutSpec& spec) -> StoreResult {
    if (ws.shortcuts == nullptr)
      return {StoreFailure::Other, "Shortcuts cannot be used here."};
    return ws.shortcuts->WriteShortcut(
        spec.path, {spec.target, spec.arguments, spec.workingFolder, spec.description});
  };
}

bool RunChangeCheck(Workspace& ws, const AppWindows& windows) {
  return RunCheck(ws, *windows.Form1, [&ws, &windows] {
    ShowFirstLaunch(ws, *windows.frmFirst, ProgramShortcutWriter(ws));
  });
}

Program::Program(Store& store, ui::Toolkit& toolkit, ServiceControl* services, Shortcuts* shortcuts)
    : ws(store, Titled(toolkit)),
      mform(ws, windows, services),
      addform(toolkit),
      AboutBox(toolkit),
      EditStr(toolkit),
      undolist(toolkit),
      Form1(toolkit, editline),
      editline(toolkit),
      frmFind(toolkit),
      frmSplash(toolkit),
      frmFirst(toolkit),
      frmServ(toolkit),
      frmLink(toolkit),
      frmHelp(toolkit) {
  ws.shortcuts = shortcuts;
  windows = {&addform, &AboutBox,  &EditStr,  &undolist, &Form1,   &editline,
             &frmFind, &frmSplash, &frmFirst, &frmServ,  &frmLink, &frmHelp};
  // F1 in any window opens the help at that window's topic.
  toolkit.onHelp = [this](ui::Form&, int helpContext) { frmHelp.ShowContext(helpContext); };
}

Program::~Program() {
  ws.toolkit.onHelp = nullptr;
}

int Program::Run(const std::vector<std::string>& arguments) {
  showMainWindow = false;
  frmSplash.ShowChecking();
  {
    TimeSpan span("check and command line");
    DispatchCommandLine(arguments);
  }
  frmSplash.form->Hide();
  ws.toolkit.Run(mform.form.get(), showMainWindow);
  return 0;
}

void Program::DispatchCommandLine(const std::vector<std::string>& arguments) {
  ws.arguments = arguments;
  // A failing check is reported and the command line still counts: the program never stays
  // behind invisibly.
  ws.toolkit.Dispatch([this] { RunChangeCheck(ws, windows); });
  const std::string first = CommandOf(arguments);
  if (first == "/c") {
    ws.toolkit.Terminate();
    return;
  }
  if ((first == "/u" || first == "\\u") &&
      ws.toolkit.MessageBox(nullptr, "Are you sure to uninstall ?", "Attention!",
                            ui::mb::OkCancel | ui::mb::IconWarning) == ui::mb::IdOk) {
    ws.toolkit.Dispatch([this] { UninstallProgram(ws); });
    ws.toolkit.Terminate();
    return;
  }
  NormalStart();
}

// The scheduler is wired after the windows exist, as the event log is: the Tasks page is listed
// when the window is about to show, unless the check has listed the tasks already.
void Program::NormalStart() {
  showMainWindow = true;
  if (!ws.places.tasks.Readable())
    LoadStartupTasks(ws);
  ClearModifiedMarks(ws);
  ws.dataChanged = false;
}

}  // namespace tarnix
