#include "fakes/headless/headless_toolkit.h"

#include <algorithm>

#include "fakes/headless/headless_form.h"

namespace tarnix::ui::headless {

namespace {

std::string OwnerName(const Form* owner) {
  return owner != nullptr ? owner->Name() : "";
}

// The answers a box with this style can give.
std::vector<int> ButtonsOf(unsigned style) {
  switch (style & 0xF) {
    case 0x0:
      return {mb::IdOk};
    case 0x1:
      return {mb::IdOk, mb::IdCancel};
    case 0x2:
      return {mr::Abort, mr::Retry, mr::Ignore};
    case 0x3:
      return {mb::IdYes, mb::IdNo, mb::IdCancel};
    case 0x4:
      return {mb::IdYes, mb::IdNo};
    case 0x5:
      return {mr::Retry, mb::IdCancel};
    default:
      return {};
  }
}

std::string Describe(const std::string& caption, const std::string& text) {
  return "caption \"" + caption + "\", text \"" + text + "\"";
}

}  // namespace

HeadlessToolkit::~HeadlessToolkit() {
  for (HeadlessForm* form : forms_) form->DetachToolkit();
}

std::unique_ptr<Form> HeadlessToolkit::CreateForm(const FormSpec& spec) {
  auto form = std::make_unique<HeadlessForm>(*this, spec);
  forms_.push_back(form.get());
  return form;
}

void HeadlessToolkit::Forget(HeadlessForm& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  LeaveModal(form);
}

void HeadlessToolkit::LeaveModal(HeadlessForm& form) {
  modalForms_.erase(std::remove(modalForms_.begin(), modalForms_.end(), &form), modalForms_.end());
}

void HeadlessToolkit::CheckReachable(const HeadlessForm& form) const {
  if (!modalForms_.empty() && modalForms_.back() != &form) {
    throw DriverError("form '" + form.Name() + "' is behind the modal form '" +
                      modalForms_.back()->Name() + "'");
  }
}

Form* HeadlessToolkit::FindForm(const std::string& name) const {
  for (HeadlessForm* form : forms_) {
    if (form->Name() == name)
      return form;
  }
  for (HeadlessForm* form : forms_) {
    if (form->ClassName() == name)
      return form;
  }
  return nullptr;
}

int HeadlessToolkit::MessageBox(Form* owner, const std::string& text, const std::string& caption,
                                unsigned style) {
  MessageRecord record{OwnerName(owner), text, caption, style, 0};
  std::vector<int> buttons = ButtonsOf(style);
  bool okOnly = buttons.size() == 1;
  if (okOnly && autoAcknowledge_) {
    record.answer = mb::IdOk;
  } else if (!answers_.empty()) {
    record.answer = answers_.front();
    answers_.pop_front();
    if (std::find(buttons.begin(), buttons.end(), record.answer) == buttons.end()) {
      messages_.push_back(record);
      throw DriverError("the queued answer " + std::to_string(record.answer) +
                        " is not a button of the message box: " + Describe(caption, text));
    }
  } else {
    messages_.push_back(record);
    throw UnexpectedDialog("unexpected message box: " + Describe(caption, text));
  }
  messages_.push_back(record);
  return record.answer;
}

std::vector<MessageRecord> HeadlessToolkit::TakeMessages() {
  std::vector<MessageRecord> taken;
  taken.swap(messages_);
  return taken;
}

std::optional<std::string> HeadlessToolkit::FileDialog(bool save, Form* owner,
                                                       const FileDialogSpec& spec) {
  auto& answers = save ? saveAnswers_ : openAnswers_;
  FileDialogRecord record{save, OwnerName(owner), spec, std::nullopt};
  if (answers.empty()) {
    fileDialogs_.push_back(record);
    throw UnexpectedDialog(std::string("unexpected ") + (save ? "save" : "open") +
                           " file dialog \"" + spec.title + "\"");
  }
  record.answer = answers.front();
  answers.pop_front();
  fileDialogs_.push_back(record);
  return record.answer;
}

std::optional<std::string> HeadlessToolkit::OpenFileDialog(Form* owner,
                                                           const FileDialogSpec& spec) {
  return FileDialog(false, owner, spec);
}

std::optional<std::string> HeadlessToolkit::SaveFileDialog(Form* owner,
                                                           const FileDialogSpec& spec) {
  return FileDialog(true, owner, spec);
}

int HeadlessToolkit::ShellExecute(Form* owner, const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& folder,
                                  int showCommand) {
  shellCalls_.push_back({OwnerName(owner), verb, file, parameters, folder, showCommand});
  return shellResult_;
}

std::string HeadlessToolkit::StartProgram(const std::string& commandLine, int showCommand) {
  programs_.push_back({commandLine, showCommand});
  return programError_;
}

ElevatedStart HeadlessToolkit::StartElevated(const std::string& parameters) {
  shellCalls_.push_back({"", "runas", "tarnix2.exe", parameters, "", sw::Normal});
  return elevatedStart_;
}

void HeadlessToolkit::EndAtOnce() {
  endedAtOnce_ = true;
  throw ProgramEnded{};
}

void HeadlessToolkit::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const DriverError&) {
    throw;
  } catch (const std::exception& error) {
    messages_.push_back({"", error.what(), title_, mb::Ok | mb::IconStop, mb::IdOk});
  }
}

void HeadlessToolkit::Run(Form* mainForm, bool showMain) {
  ++runs_;
  if (showMain && mainForm != nullptr)
    mainForm->Show();
  if (runScript_ && !terminated_) {
    std::function<void()> script = std::move(runScript_);
    runScript_ = nullptr;
    script();
  }
}

void HeadlessToolkit::OnModal(const std::string& formName, std::function<void(Form&)> script) {
  modalScripts_.push_back({formName, std::move(script)});
}

std::function<void(Form&)> HeadlessToolkit::TakeModalScript(const Form& form) {
  auto found = std::find_if(modalScripts_.begin(), modalScripts_.end(), [&](const auto& entry) {
    return entry.formName == form.Name() || entry.formName == form.ClassName();
  });
  if (found == modalScripts_.end()) {
    std::string queued;
    for (const auto& entry : modalScripts_) queued += " '" + entry.formName + "'";
    throw UnexpectedDialog("unexpected modal form '" + form.Name() + "' (" + form.ClassName() +
                           "); scripts queued for:" + (queued.empty() ? " none" : queued));
  }
  std::function<void(Form&)> script = std::move(found->script);
  modalScripts_.erase(found);
  return script;
}

}  // namespace tarnix::ui::headless
