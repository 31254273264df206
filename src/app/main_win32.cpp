// tarnix2.exe: one instance at a time; a second start brings the first one forward and ends.
#include "base/win32_api.h"

#include <string>
#include <vector>

#include "app/logon_check.h"
#include "app/program.h"
#include "base/command_line.h"
#include "base/handles_win32.h"
#include "base/time_spans.h"
#include "base/unicode_win32.h"
#include "platform/event_log_win32.h"
#include "platform/scheduler_win32.h"
#include "platform/services_win32.h"
#include "platform/shortcuts_win32.h"
#include "platform/store_win32.h"
#include "ui/win32/win32_toolkit.h"

namespace {

// Held for the program's whole life: a second start finds it and brings this one forward.
constexpr wchar_t kInstanceMutex[] = L"TarnixMutex";

// The main window: the top-level "Tmform" window that the application window owns.
HWND MainWindowOf(HWND app) {
  struct Search {
    HWND app;
    HWND found;
  } search{app, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (GetWindow(window, GW_OWNER) != s->app || std::wstring(className) != L"Tmform") {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The window the user last worked in below `owner` (a dialog it shows), or null.
HWND ActivePopupOf(HWND owner) {
  if (owner == nullptr) {
    return nullptr;
  }
  HWND popup = GetLastActivePopup(owner);
  return popup != owner && IsWindowVisible(popup) ? popup : nullptr;
}

// The running instance's application window is hidden; what the user sees is the main window
// it owns, or the dialog in front of it: restore that one and put it on top.
void ActivateRunningInstance() {
  HWND app = FindWindowW(L"TApplication", L"Tarnix2");
  if (app == nullptr) {
    return;
  }
  if (IsIconic(app)) {
    ShowWindow(app, SW_SHOWDEFAULT);
  }
  HWND main = MainWindowOf(app);
  if (main != nullptr && IsIconic(main)) {
    ShowWindow(main, SW_RESTORE);
  }
  HWND target = ActivePopupOf(app);
  if (target == nullptr || target == main) {
    HWND dialog = ActivePopupOf(main);
    target = dialog != nullptr ? dialog : main;
  }
  if (target == nullptr) {
    return;
  }
  SetForegroundWindow(target);
  BringWindowToTop(target);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  SetLastError(ERROR_SUCCESS);
  tarnix::KernelHandle mutex(CreateMutexW(nullptr, FALSE, kInstanceMutex));
  if (mutex.valid() && GetLastError() == ERROR_ALREADY_EXISTS) {
    ActivateRunningInstance();
    return 0;
  }
  tarnix::TimeSpan whole("wWinMain");
  tarnix::Win32Store store;
  tarnix::Win32Services services;
  tarnix::Win32Shortcuts shortcuts;
  tarnix::Win32Scheduler scheduler;
  tarnix::Win32EventLog events;
  std::unique_ptr<tarnix::ui::Toolkit> toolkit = tarnix::ui::win32::CreateToolkit(instance);
  const std::vector<std::string> arguments =
      tarnix::SplitArguments(tarnix::Narrow(GetCommandLineW()));
  toolkit->Dispatch([&] {
    if (tarnix::RunUnchangedLogonCheck(store, *toolkit, arguments, &scheduler))
      return;
    auto building = std::make_unique<tarnix::TimeSpan>("windows created, places loaded");
    tarnix::Program program(store, *toolkit, &services, &shortcuts);
    building.reset();
    program.ws.events = &events;
    program.ws.scheduler = &scheduler;
    program.ws.holdInstanceMark = [&mutex](bool held) {
      mutex.reset(held ? CreateMutexW(nullptr, FALSE, kInstanceMutex) : nullptr);
    };
    program.Run(arguments);
  });
  return 0;
}
