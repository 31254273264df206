// The application side of the toolkit: forms, message boxes, file dialogs, starting programs
// and documents, the help key, and the event loop with its end request.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/form.h"

namespace tarnix::ui {

// Message box style bits and results, numbered as on Windows.
namespace mb {
constexpr unsigned Ok = 0x0, OkCancel = 0x1, YesNo = 0x4;
constexpr unsigned IconStop = 0x10, IconQuestion = 0x20, IconWarning = 0x30, IconInfo = 0x40;
constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;
}  // namespace mb

struct FileDialogSpec {
  std::string title;
  std::string filter;            // "exe|*.exe|all files|*.*" (description|pattern pairs)
  std::string defaultExtension;  // without the dot
  std::string initialFolder;
  std::string fileName;  // proposed name
};

// Show commands, numbered as on Windows.
namespace sw {
constexpr int Normal = 1, Maximized = 3, ShowDefault = 10;
}

// A start that the user declined at the system's prompt is neither started nor an error.
struct ElevatedStart {
  bool started = false;
  std::string error;  // why it did not start, for an error box
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  virtual std::unique_ptr<Form> CreateForm(const FormSpec& spec) = 0;

  // The application title: the caption of the error box and, on Windows, of the hidden
  // application window ("TApplication") by which a second instance finds this one.
  virtual void SetTitle(const std::string& title) = 0;
  virtual std::string Title() const = 0;

  // Shows a message box with the style bits exactly as given; returns the button pressed.
  virtual int MessageBox(Form* owner, const std::string& text, const std::string& caption,
                         unsigned style) = 0;
  // The chosen file's full path, or nothing when the user cancelled. No overwrite question.
  virtual std::optional<std::string> OpenFileDialog(Form* owner, const FileDialogSpec& spec) = 0;
  virtual std::optional<std::string> SaveFileDialog(Form* owner, const FileDialogSpec& spec) = 0;

  // The shell's verb ("open") on a document, program or address; the shell's result code.
  [[nodiscard]] virtual int ShellExecute(Form* owner, const std::string& verb,
                                         const std::string& file, const std::string& parameters,
                                         const std::string& folder, int showCommand) = 0;
  // Starts a command line (the program, then its arguments) through the shell's "open" verb,
  // which asks for elevation where the program needs it. Empty when the program started or the
  // user declined the elevation; otherwise why it did not start, for an error box.
  [[nodiscard]] virtual std::string StartProgram(const std::string& commandLine,
                                                 int showCommand) = 0;
  // Whether the program runs with administrator rights: elevated, or on a system that
  // does not split them from the user's.
  virtual bool Elevated() const = 0;
  // The account the program runs as when it is not the user logged on to the session (a
  // standard user typed an administrator's password); empty otherwise.
  virtual std::string OtherAccount() const = 0;
  // Starts this program's executable again through the shell's "runas" verb, so that the
  // system asks for administrator rights, with these parameters.
  [[nodiscard]] virtual ElevatedStart StartElevated(const std::string& parameters) = 0;
  // Ends the process at once: nothing more runs, no window closes first, nothing is saved.
  [[noreturn]] virtual void EndAtOnce() = 0;
  // F1 in a form that no menu shortcut or key handler used: the form and its help context.
  std::function<void(Form& form, int helpContext)> onHelp;

  // Runs a handler the way the event dispatch does: an exception that escapes it is shown
  // in an error box (the title as caption, stop icon) and the program goes on.
  virtual void Dispatch(const std::function<void()>& handler) = 0;

  // The end request: the event loop returns once it sees it.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;
  // Runs the event loop until the end request; shows mainForm first when showMain is true.
  virtual void Run(Form* mainForm, bool showMain) = 0;
};

}  // namespace tarnix::ui
