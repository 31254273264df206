// The whole program on the in-memory platform and the headless toolkit.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "fakes/headless/driver.h"
#include "fakes/shortcuts_memory.h"
#include "fakes/store_memory.h"
#include "sources/loading.h"
#include "unit/user.h"

namespace tarnix {

inline const char kJournal[] = "SOFTWARE\\Tarnix";
inline const char kRunKey[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr unsigned kErrorBox = ui::mb::Ok | ui::mb::IconStop;
inline const char kRunServicesKey[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";

// Answers the welcome window with OK but no autostart entry, which would show in every list.
inline void AnswerWelcomeWindow(ui::headless::HeadlessToolkit& kit) {
  kit.OnModal("frmFirst", [](ui::Form& window) {
    ui::headless::Get<ui::CheckBox>(window, "chbAuto").SetChecked(false);
    ui::headless::Click(ui::headless::Get<ui::Button>(window, "Button1"));
  });
}

class AppTest : public ::testing::Test {
 protected:
  AppTest() { toolkit.SetAutoAcknowledge(true); }

  // Creates the windows (the main window loads every place) without starting.
  Program& Create() {
    program = std::make_unique<Program>(store, toolkit, nullptr, &shortcuts);
    program->ws.scheduler = scheduler;
    return *program;
  }
  // Starts the program with the arguments; `whileRunning` is what the user does meanwhile.
  // Its checks count only if it ran to its end, so a script that never ran fails the test.
  Program& Start(const std::vector<std::string>& arguments = {},
                 std::function<void()> whileRunning = {}) {
    Create();
    AnswerFirstLaunch();
    const bool scripted = static_cast<bool>(whileRunning);
    scriptDone_ = false;
    if (scripted) {
      toolkit.OnRun([this, script = std::move(whileRunning)] {
        script();
        scriptDone_ = true;
      });
    }
    program->Run(arguments);
    EXPECT_EQ(scriptDone_, scripted) << "the script given to Start never ran to its end";
    return *program;
  }

  // What the user does while the program runs.
  void WhileRunning(std::function<void()> act) { Start({}, std::move(act)); }

  Tmform& Main() { return program->mform; }
  ui::Form& MainForm() { return *program->mform.form; }

  // Whether a box with this text, caption and style was shown; the boxes shown when not.
  ::testing::AssertionResult Showed(const std::string& text, const std::string& caption,
                                    unsigned style) const {
    std::string shown;
    for (const auto& m : toolkit.Messages()) {
      if (m.text == text && m.caption == caption && m.style == style)
        return ::testing::AssertionSuccess();
      shown += "\n  " + m.caption + " | " + m.text + " | " + std::to_string(m.style);
    }
    return ::testing::AssertionFailure() << "shown:" << shown;
  }
  const ui::headless::MessageRecord* Shown(const std::string& text) const {
    return FindBox(toolkit, text);
  }
  bool WasShown(const std::string& text) const { return Shown(text) != nullptr; }
  std::optional<RegValue> UserRun(const std::string& name) {
    return store.Value(Root::CurrentUser, kRunKey, name);
  }
  std::vector<std::string> StoredSteps() {
    auto key = store.OpenKey(Root::CurrentUser, kJournal, false);
    return key ? key->GetKeyNames() : std::vector<std::string>{};
  }

  MemoryStore store;
  MemoryShortcuts shortcuts{store};
  ui::headless::HeadlessToolkit toolkit;
  std::unique_ptr<Program> program;
  Scheduler* scheduler = nullptr;  // wired into each program created
  // False when the test answers the welcome window of a first launch itself.
  bool answerWelcome = true;

 private:
  void AnswerFirstLaunch() {
    if (answerWelcome &&
        !store.KeyExists(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2\\Save")) {
      AnswerWelcomeWindow(toolkit);
    }
  }

  bool scriptDone_ = false;
};

}  // namespace tarnix
