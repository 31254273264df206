// The in-memory toolkit for native tests. There is no event loop: a test drives the forms
// through driver.h and scripts what the user does in dialogs before the program shows them.
// Everything the program showed or started is recorded for the test to read back.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/headless/headless_errors.h"
#include "ui/toolkit.h"

namespace tarnix::ui::headless {

class HeadlessForm;

struct MessageRecord {
  std::string owner;  // the owner form's name; empty for none
  std::string text;
  std::string caption;
  unsigned style = 0;
  int answer = 0;  // the button pressed; 0 when the box was unexpected
};

struct FileDialogRecord {
  bool save = false;  // a save dialog, else an open dialog
  std::string owner;
  FileDialogSpec spec;
  std::optional<std::string> answer;
};

struct ShellRecord {
  std::string owner;
  std::string verb, file, parameters, folder;
  int showCommand = 0;
};

struct ProgramRecord {
  std::string commandLine;
  int showCommand = 0;
};

class HeadlessToolkit : public Toolkit {
 public:
  HeadlessToolkit() = default;
  ~HeadlessToolkit() override;
  HeadlessToolkit(const HeadlessToolkit&) = delete;
  HeadlessToolkit& operator=(const HeadlessToolkit&) = delete;

  // Toolkit
  std::unique_ptr<Form> CreateForm(const FormSpec& spec) override;
  void SetTitle(const std::string& title) override { title_ = title; }
  std::string Title() const override { return title_; }
  int MessageBox(Form* owner, const std::string& text, const std::string& caption,
                 unsigned style) override;
  std::optional<std::string> OpenFileDialog(Form* owner, const FileDialogSpec& spec) override;
  std::optional<std::string> SaveFileDialog(Form* owner, const FileDialogSpec& spec) override;
  int ShellExecute(Form* owner, const std::string& verb, const std::string& file,
                   const std::string& parameters, const std::string& folder,
                   int showCommand) override;
  std::string StartProgram(const std::string& commandLine, int showCommand) override;
  // Elevated unless a test says otherwise, as every write the memory store grants by default.
  bool Elevated() const override { return elevated_; }
  void SetElevated(bool elevated) { elevated_ = elevated; }
  std::string OtherAccount() const override { return otherAccount_; }
  void SetOtherAccount(std::string account) { otherAccount_ = std::move(account); }
  // Recorded with the verb "runas" among the shell calls; the outcome is the test's choice.
  ElevatedStart StartElevated(const std::string& parameters) override;
  void SetElevatedStart(ElevatedStart outcome) { elevatedStart_ = std::move(outcome); }
  // Throws ProgramEnded.
  [[noreturn]] void EndAtOnce() override;
  bool EndedAtOnce() const { return endedAtOnce_; }
  // Runs the handler; a std::exception escaping it becomes an error box (title as caption,
  // OK button, stop icon) that needs no answer. DriverError and UnexpectedDialog pass through.
  void Dispatch(const std::function<void()>& handler) override;
  void Terminate() override { terminated_ = true; }
  bool Terminated() const override { return terminated_; }
  // No loop: shows mainForm when asked, runs the script given to OnRun (unless the end was
  // already requested) and returns.
  void Run(Form* mainForm, bool showMain) override;

  // Modal forms. The next ShowModal of the form with this instance or class name runs the
  // script (one-shot, first queued first) while the form is shown modally; a form the
  // script leaves open is closed as by its close box. An unscripted ShowModal throws
  // UnexpectedDialog.
  void OnModal(const std::string& formName, std::function<void(Form&)> script);
  int PendingModalScripts() const { return static_cast<int>(modalScripts_.size()); }
  // Runs when Run is called: what the user does while the event loop runs.
  void OnRun(std::function<void()> script) { runScript_ = std::move(script); }
  int RunCount() const { return runs_; }

  // Message boxes. Each box takes the next queued answer, which must be one of its buttons.
  // An unanswered box throws UnexpectedDialog, except a box with only an OK button while
  // auto-acknowledge is on (such boxes then leave the queue alone).
  void AnswerNextMessageBox(int answer) { answers_.push_back(answer); }
  int PendingAnswers() const { return static_cast<int>(answers_.size()); }
  void SetAutoAcknowledge(bool on) { autoAcknowledge_ = on; }
  const std::vector<MessageRecord>& Messages() const { return messages_; }
  std::vector<MessageRecord> TakeMessages();

  // File dialogs: the next queued answer of the dialog's kind; nothing means Cancel.
  void QueueOpenFile(std::optional<std::string> path) { openAnswers_.push_back(std::move(path)); }
  void QueueSaveFile(std::optional<std::string> path) { saveAnswers_.push_back(std::move(path)); }
  const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs_; }

  // Programs and documents: recorded; the results are the test's choice.
  void SetShellExecuteResult(int result) { shellResult_ = result; }
  // Empty: every program starts; else the reason each start fails with.
  void SetStartProgramError(std::string error) { programError_ = std::move(error); }
  const std::vector<ShellRecord>& ShellCalls() const { return shellCalls_; }
  const std::vector<ProgramRecord>& Programs() const { return programs_; }

  // The live forms, in creation order; FindForm looks by instance name, then class name.
  const std::vector<HeadlessForm*>& Forms() const { return forms_; }
  Form* FindForm(const std::string& name) const;

  // Used by the forms.
  std::function<void(Form&)> TakeModalScript(const Form& form);
  void Forget(HeadlessForm& form);
  void EnterModal(HeadlessForm& form) { modalForms_.push_back(&form); }
  void LeaveModal(HeadlessForm& form);
  // Throws DriverError when a modal form that the user would have to close first is shown.
  void CheckReachable(const HeadlessForm& form) const;

 private:
  struct ModalScript {
    std::string formName;
    std::function<void(Form&)> script;
  };
  std::optional<std::string> FileDialog(bool save, Form* owner, const FileDialogSpec& spec);
  std::string title_;
  bool terminated_ = false;
  bool elevated_ = true;
  std::string otherAccount_;
  ElevatedStart elevatedStart_{true, ""};
  bool endedAtOnce_ = false;
  int runs_ = 0;
  std::function<void()> runScript_;
  std::vector<HeadlessForm*> forms_;
  std::vector<HeadlessForm*> modalForms_;  // innermost last
  std::deque<ModalScript> modalScripts_;
  std::deque<int> answers_;
  bool autoAcknowledge_ = false;
  std::vector<MessageRecord> messages_;
  std::deque<std::optional<std::string>> openAnswers_, saveAnswers_;
  std::vector<FileDialogRecord> fileDialogs_;
  int shellResult_ = 42;
  std::string programError_;
  std::vector<ShellRecord> shellCalls_;
  std::vector<ProgramRecord> programs_;
};

}  // namespace tarnix::ui::headless
