// The restart as administrator after a refused write; fault_sweep_test covers every command.
#include <utility>

#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kRestartQuestion[] =
    "Windows refused the change: Tarnix2 runs without administrator rights.\r\n\r\n"
    "Restart Tarnix2 as administrator?";
const char kUnsavedEditsLost[] = "\r\n\r\nThe edits that were not saved will be lost.";
const char kSnapshotRefused[] =
    "Error with writing to registry. Possibly,  write access denied to HKLM\\Software\\...";
const char kMachineRunRefused[] =
    "Error with writing to registry. Possibly, write access denied to "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// A whole run after a first launch, for a user refused writes below HKEY_LOCAL_MACHINE.
class Session {
 public:
  explicit Session(bool elevated = false) {
    toolkit.SetAutoAcknowledge(true);
    store.SetString(Root::LocalMachine, kRunKey, "Tray", "C:\\Tools\\tray.exe");
    HeadlessToolkit first;
    first.SetAutoAcknowledge(true);
    AnswerWelcomeWindow(first);
    Program(store, first).Run({"/c"});
    toolkit.SetElevated(elevated);
    store.RefuseWrite(Root::LocalMachine, "", StoreFailure::AccessDenied);
  }
  // Runs the program with the arguments; `act` is what the user does meanwhile.
  void Run(const std::vector<std::string>& arguments, const std::function<void()>& act) {
    program = std::make_unique<Program>(store, toolkit);
    program->ws.holdInstanceMark = [this](bool held) {
      marks.emplace_back(held, toolkit.ShellCalls().size());
    };
    toolkit.OnRun([this, act] {
      act();
      actDone = true;
    });
    try {
      program->Run(arguments);
    } catch (const ProgramEnded&) {
      ended = true;
    }
  }
  Tmform& Main() { return program->mform; }
  ui::Form& MainForm() { return *program->mform.form; }
  int Count(const std::string& text) const {
    int count = 0;
    for (const MessageRecord& box : toolkit.Messages()) count += box.text == text ? 1 : 0;
    return count;
  }

  HeadlessToolkit toolkit;
  MemoryStore store;
  std::unique_ptr<Program> program;
  // Each change of the instance mark: held or let go, and how many shell calls had been made.
  std::vector<std::pair<bool, size_t>> marks;
  bool ended = false;    // ProgramEnded came out of the run
  bool actDone = false;  // what the user does ran to its end
};

using Marks = std::vector<std::pair<bool, size_t>>;

// Deletes the machine's first run entry: OK, then `answer` to the restart question.
void RunDeleting(Session& s, int answer, const std::vector<std::string>& arguments = {}) {
  s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  s.toolkit.AnswerNextMessageBox(answer);
  s.Run(arguments, [&s] {
    Select(*s.Main().ListBox1, 0);
    Click(*s.Main().ToolButton1);
  });
}

TEST(RestartOfferTest, ASecondRefusalInTheSameRunIsToldButAsksNoMore) {
  Session s;
  s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  s.toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  s.toolkit.OnModal("TEditStr", [&s](ui::Form&) {
    s.program->EditStr.strval->SetText("other.exe");
    Click(*s.program->EditStr.btOk);
  });
  s.Run({}, [&s] {
    Select(*s.Main().ListBox1, 0);
    Click(*s.Main().ToolButton1);
    Select(*s.Main().ListBox1, 0);
    Click(*s.Main().ToolButton2);
    PressKey(s.MainForm(), ui::vk::F2);
  });
  EXPECT_TRUE(s.actDone);
  EXPECT_FALSE(s.ended || s.toolkit.EndedAtOnce());
  EXPECT_TRUE(s.marks.empty());
  EXPECT_EQ(s.Count(kRestartQuestion), 1);
  EXPECT_EQ(s.Count(kMachineRunRefused), 2);
  EXPECT_EQ(s.Count(kSnapshotRefused), 1);
  EXPECT_TRUE(s.toolkit.ShellCalls().empty());
  EXPECT_EQ(s.toolkit.PendingAnswers(), 0);
}

// Under Wine every process counts as elevated: a refusal there has no restart to offer.
TEST(RestartOfferTest, AnElevatedProgramIsNotOffered) {
  Session s(true);
  RunDeleting(s, ui::mb::IdYes);
  EXPECT_TRUE(s.actDone);
  EXPECT_EQ(s.Count(kMachineRunRefused), 1);
  EXPECT_EQ(s.Count(kRestartQuestion), 0);
  EXPECT_TRUE(s.toolkit.ShellCalls().empty());
}

// A declined prompt is the user's choice and is not told; a failed start is.
TEST(RestartOfferTest, AStartThatDidNotHappenLeavesThisInstanceRunning) {
  for (const std::string why :
       {"", "Cannot start Tarnix2 as administrator: The file cannot be found."}) {
    Session s;
    s.toolkit.SetElevatedStart({false, why});
    RunDeleting(s, ui::mb::IdYes);
    EXPECT_TRUE(s.actDone && s.MainForm().Visible());
    EXPECT_FALSE(s.ended || s.toolkit.EndedAtOnce());
    ASSERT_EQ(s.toolkit.ShellCalls().size(), 1u);
    EXPECT_EQ(s.toolkit.ShellCalls()[0].verb, "runas");
    EXPECT_EQ(s.marks, (Marks{{false, 0}, {true, 1}}));
    EXPECT_TRUE(s.store.Value(Root::LocalMachine, kRunKey, "Tray").has_value());
    const MessageRecord& last = s.toolkit.Messages().back();
    EXPECT_EQ(last.text, why.empty() ? kRestartQuestion : why);
    EXPECT_EQ(last.style, why.empty() ? ui::mb::YesNo | ui::mb::IconQuestion : kErrorBox);
  }
}

// The mark goes first, or the new instance would only bring this one forward.
TEST(RestartOfferTest, YesLetsGoOfTheMarkRestartsWithTheCommandLineAndEndsAtOnce) {
  Session s;
  RunDeleting(s, ui::mb::IdYes, {"/x", "a b"});
  const MessageRecord& question = s.toolkit.Messages().back();
  EXPECT_EQ(question.text, kRestartQuestion);
  EXPECT_EQ(question.caption, "Attention!");
  EXPECT_EQ(question.style, ui::mb::YesNo | ui::mb::IconQuestion);
  EXPECT_EQ(question.owner, "mform");
  EXPECT_TRUE(s.ended && s.toolkit.EndedAtOnce());
  EXPECT_FALSE(s.actDone);
  EXPECT_EQ(s.marks, (Marks{{false, 0}}));
  ASSERT_EQ(s.toolkit.ShellCalls().size(), 1u);
  EXPECT_EQ(s.toolkit.ShellCalls()[0].verb, "runas");
  EXPECT_EQ(s.toolkit.ShellCalls()[0].parameters, "/x \"a b\"");
}

// A restart rereads every place, so the question warns of unsaved typing.
TEST(RestartOfferTest, TheQuestionWarnsOfUnsavedEditsOnlyWhenThereAreSome) {
  using Box = ui::Control* (*)(Tmform&);
  const std::pair<int, Box> cases[] = {{-1, nullptr},
                                       {4, [](Tmform& m) -> ui::Control* { return m.winstart; }},
                                       {1, [](Tmform& m) -> ui::Control* { return m.load; }}};
  for (const auto& [page, box] : cases) {
    Session s;
    s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    s.toolkit.AnswerNextMessageBox(ui::mb::IdNo);
    s.Run({}, [&s, page = page, box = box] {
      if (box != nullptr) {
        SelectPage(*s.Main().PageControl1, page);
        Focus(*box(s.Main()));
        TypeText(s.MainForm(), "typed");
        SelectPage(*s.Main().PageControl1, 0);
      }
      Select(*s.Main().ListBox1, 0);
      Click(*s.Main().ToolButton1);
    });
    EXPECT_EQ(s.Count(kRestartQuestion + std::string(box ? kUnsavedEditsLost : "")), 1) << page;
  }
}

}  // namespace
}  // namespace tarnix
