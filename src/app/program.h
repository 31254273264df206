// The program's life: the windows it creates, the start-up check, the command line, the end.
#pragma once

#include <string>
#include <vector>

#include "app/app_windows.h"
#include "app/main_form.h"
#include "runlists/edit_form.h"
#include "runlists/undo_form.h"
#include "services/serv_form.h"
#include "setup/about.h"
#include "setup/find.h"
#include "setup/first_launch.h"
#include "setup/help_form.h"
#include "setup/splash_form.h"
#include "sources/add_form.h"
#include "startupfolders/link_form.h"
#include "watchdog/report_form.h"

namespace tarnix {

// The first argument in lower case; empty without arguments.
std::string CommandOf(const std::vector<std::string>& arguments);
// Gives the toolkit the application title by which a second start finds this instance.
ui::Toolkit& Titled(ui::Toolkit& toolkit);
// Sets the program's folder and the history log's path from the program's own path.
void LocateProgramFolder(Workspace& ws);
// Asks to save edited texts (if any), then ends the program whatever the answer.
void QuitWithSavePrompt(Workspace& ws);
// Writes the program's own shortcuts (first launch, the File menu's shortcut commands).
WriteShortcutFn ProgramShortcutWriter(Workspace& ws);
// The change check with the first-launch window; true when changes were found.
bool RunChangeCheck(Workspace& ws, const AppWindows& windows);

class Program {
 public:
  // Creates every window once, the main window first; its construction loads every place.
  // Without a service manager (null) the services page stays empty; without shortcuts (null)
  // the startup groups can delete but neither edit nor add.
  Program(Store& store, ui::Toolkit& toolkit, ServiceControl* services = nullptr,
          Shortcuts* shortcuts = nullptr);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // Splash, start-up check and command line, then the event loop. `arguments` come after the
  // program's name. The exit code, always 0.
  int Run(const std::vector<std::string>& arguments);
  // The start-up check, then what the first argument asks for.
  void DispatchCommandLine(const std::vector<std::string>& arguments);

  Workspace ws;
  AppWindows windows;
  bool showMainWindow = false;

  // In the order of creation.
  Tmform mform;
  Taddform addform;
  TAboutBox AboutBox;
  TEditStr EditStr;
  Tundolist undolist;
  TForm1 Form1;
  Teditline editline;
  TfrmFind frmFind;
  TfrmSplash frmSplash;
  TfrmFirst frmFirst;
  TfrmServ frmServ;
  TfrmLink frmLink;
  TfrmHelp frmHelp;

 private:
  void NormalStart();
};

}  // namespace tarnix
