// The restart as administrator after a refused write, met through the delete on the machine's
// run list: who is offered it, Yes and No, once in a run, a start the system did not make, the
// instance mark around the start, edits that a restart would lose, and the command line it
// repeats. That every command reaches the offer is fault_sweep_test's business.
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

// One run of the whole program after a first launch, with an entry in the machine's run list,
// for a user whose writes below HKEY_LOCAL_MACHINE are refused for lack of rights.
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

class RestartOfferTest : public ::testing::Test {
 protected:
  // Deletes the first line of the machine's run list: OK to the delete question, then
  // `answer` to the restart question.
  void RunDeleting(int answer) {
    s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    s.toolkit.AnswerNextMessageBox(answer);
    s.Run({}, [this] {
      Select(*s.Main().ListBox1, 0);
      Click(*s.Main().ToolButton1);
    });
  }

  Session s;
};

TEST_F(RestartOfferTest, ASecondRefusalInTheSameRunIsToldButAsksNoMore) {
  s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  s.toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  s.toolkit.OnModal("TEditStr", [this](ui::Form&) {
    s.program->EditStr.strval->SetText("other.exe");
    Click(*s.program->EditStr.btOk);
  });
  s.Run({}, [this] {
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

// Under Wine every process counts as elevated: a refusal there has no restart to offer. (That a
// failure other than a refusal of rights offers none is fault_sweep_test's.)
TEST(RestartOfferWhoTest, AnElevatedProgramIsNotOffered) {
  Session s(true);
  s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  s.Run({}, [&s] {
    Select(*s.Main().ListBox1, 0);
    Click(*s.Main().ToolButton1);
  });
  EXPECT_TRUE(s.actDone);
  EXPECT_EQ(s.Count(kMachineRunRefused), 1);
  EXPECT_EQ(s.Count(kRestartQuestion), 0);
  EXPECT_TRUE(s.toolkit.ShellCalls().empty());
}

// Declining the system's own prompt is the user's choice: nothing more is said, and this
// instance stays, holding its mark again.
TEST_F(RestartOfferTest, AStartDeclinedAtTheSystemsPromptGoesOnSilently) {
  s.toolkit.SetElevatedStart({false, ""});
  RunDeleting(ui::mb::IdYes);
  EXPECT_TRUE(s.actDone);
  EXPECT_FALSE(s.ended || s.toolkit.EndedAtOnce());
  ASSERT_EQ(s.toolkit.ShellCalls().size(), 1u);
  EXPECT_EQ(s.toolkit.ShellCalls()[0].verb, "runas");
  EXPECT_EQ(s.toolkit.Messages().back().text, kRestartQuestion);
  EXPECT_EQ(s.marks, (Marks{{false, 0}, {true, 1}}));
  EXPECT_TRUE(s.store.Value(Root::LocalMachine, kRunKey, "Tray").has_value());
  EXPECT_TRUE(s.MainForm().Visible());
}

TEST_F(RestartOfferTest, AStartThatFailedIsToldAndTheProgramGoesOn) {
  const std::string why = "Cannot start Tarnix2 as administrator: The file cannot be found.";
  s.toolkit.SetElevatedStart({false, why});
  RunDeleting(ui::mb::IdYes);
  EXPECT_TRUE(s.actDone);
  EXPECT_FALSE(s.ended || s.toolkit.EndedAtOnce());
  const auto& shown = s.toolkit.Messages();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[shown.size() - 2].text, kRestartQuestion);
  EXPECT_EQ(shown.back().text, why);
  EXPECT_EQ(shown.back().caption, "Error!");
  EXPECT_EQ(shown.back().style, ui::mb::Ok | ui::mb::IconStop);
  EXPECT_EQ(s.marks, (Marks{{false, 0}, {true, 1}}));
}

// The mark goes before the new instance starts, or that one would find this one and only
// bring it forward.
TEST_F(RestartOfferTest, YesLetsGoOfTheMarkRestartsAndEndsAtOnce) {
  RunDeleting(ui::mb::IdYes);
  const MessageRecord& question = s.toolkit.Messages().back();
  EXPECT_EQ(question.text, kRestartQuestion);
  EXPECT_EQ(question.caption, "Attention!");
  EXPECT_EQ(question.style, ui::mb::YesNo | ui::mb::IconQuestion);
  EXPECT_EQ(question.owner, "mform");
  EXPECT_TRUE(s.ended);
  EXPECT_TRUE(s.toolkit.EndedAtOnce());
  EXPECT_FALSE(s.actDone);
  EXPECT_EQ(s.marks, (Marks{{false, 0}}));
  ASSERT_EQ(s.toolkit.ShellCalls().size(), 1u);
  EXPECT_EQ(s.toolkit.ShellCalls()[0].verb, "runas");
  EXPECT_EQ(s.toolkit.ShellCalls()[0].parameters, "");
}

// A restart reads every place again, so typed texts that were not saved are gone: the question
// says so exactly when there are some, in a text page or in win.ini's boxes.
TEST_F(RestartOfferTest, TheQuestionWarnsOfUnsavedEditsOnlyWhenThereAreSome) {
  struct Case {
    const char* label;
    int page;                                  // -1: nothing typed
    std::function<ui::Control*(Tmform&)> box;  // where the user typed
  };
  const Case cases[] = {
      {"nothing typed", -1, {}},
      {"a text page", 4, [](Tmform& m) -> ui::Control* { return m.winstart; }},
      {"win.ini's load box", 1, [](Tmform& m) -> ui::Control* { return m.load; }}};
  for (const Case& c : cases) {
    Session run;
    run.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    run.toolkit.AnswerNextMessageBox(ui::mb::IdNo);
    run.Run({}, [&run, &c] {
      if (c.page >= 0) {
        SelectPage(*run.Main().PageControl1, c.page);
        Focus(*c.box(run.Main()));
        TypeText(run.MainForm(), "typed");
        SelectPage(*run.Main().PageControl1, 0);
      }
      Select(*run.Main().ListBox1, 0);
      Click(*run.Main().ToolButton1);
    });
    const std::string expected =
        std::string(kRestartQuestion) + (c.page >= 0 ? kUnsavedEditsLost : "");
    EXPECT_EQ(run.Count(expected), 1) << c.label;
  }
}

// The new instance is given the command line of this one.
TEST_F(RestartOfferTest, TheRestartRepeatsTheCommandLine) {
  s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  s.toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  s.Run({"/u"}, [] {});
  EXPECT_TRUE(s.ended);
  ASSERT_EQ(s.toolkit.ShellCalls().size(), 1u);
  EXPECT_EQ(s.toolkit.ShellCalls()[0].parameters, "/u");
}

}  // namespace
}  // namespace tarnix
