// Every path that writes where only an administrator may, each with exactly that write refused,
// met four ways: restarted, declined, refused for another reason, and already elevated.
#include <ostream>

#include "unit/app_restart_offer_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kSnapshotKey[] = "HKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2\\Save";

// The uninstall names every key of the program that it could not delete, deepest first.
std::string UninstallRefused() {
  std::string text = "Uninstall could not remove:";
  for (const char* section : {"HKLM_Run", "HKLM_RunService", "HKCU_Run", "Autoexec", "Config",
                              "Winini", "Winstart", "Startup", "Common Startup"})
    text += std::string("\r\n") + kSnapshotKey + "\\" + section;
  return text + "\r\n" + kSnapshotKey + "\r\nHKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2";
}

std::string CommonStartup(const std::string& name) {
  return MemoryStore().SeedShellFolders().commonStartup + "\\" + name;
}

struct RefusedPath {
  const char* name;
  std::vector<std::string> arguments;
  std::string parameters;  // what the restart passes on
  bool snapshot;           // false: the first launch
  std::function<void(Session&)> prepare;
  std::function<void(Session&)> act;  // empty: the user does nothing while it runs
  std::string refusal;                // the error box of the refused write
  std::string otherwise;              // that of a failure of another kind, where it differs
  bool editsLost;                     // a page holds edits that a restart would lose
};

std::string Question(const RefusedPath& path) {
  return std::string(kRestartQuestion) + (path.editsLost ? kUnsavedEditsLost : "");
}

void PrintTo(const RefusedPath& path, std::ostream* out) {
  *out << path.name;
}

void OnReport(Session& s, std::function<void(TForm1&)> act) {
  s.toolkit.OnModal("TForm1", [&s, act](ui::Form&) { act(s.program->Form1); });
}

void RunListCommand(Session& s, ui::ToolButton* Tmform::*button) {
  Select(*s.Main().ListBox1, 0);
  Click(*(s.Main().*button));
}

void CommonGroupCommand(Session& s, ui::ToolButton* Tmform::*button) {
  SelectPage(*s.Main().PageControl1, 7);
  Select(*s.Main().lsbComSt, 0);
  Click(*(s.Main().*button));
}

void AnswerAddForm(Session& s, const std::string& name, const std::string& command) {
  s.toolkit.OnModal("Taddform", [&s, name, command](ui::Form&) {
    s.program->addform.Name->SetText(name);
    s.program->addform.program->SetText(command);
    Click(*s.program->addform.Button2);
  });
}

using Step = std::function<void(Session&)>;

// A command of the main window after a normal start.
RefusedPath Command(const char* name, Step prepare, Step act, std::string refusal,
                    bool editsLost = false) {
  return {name, {},       "", true, std::move(prepare), std::move(act), std::move(refusal),
          "",   editsLost};
}

// A decision in the report of the check that `argument` starts.
RefusedPath InCheck(const char* name, const std::string& argument, Step prepare,
                    std::string refusal) {
  return {name, {argument}, argument, true, std::move(prepare), {}, std::move(refusal), "", false};
}

const RefusedPath kPaths[] = {
    {"FirstLaunchSnapshot",
     {},
     "",
     false,
     [](Session& s) {
       AnswerWelcomeWindow(s.toolkit);
       s.RefuseMachineKeys();
     },
     {},
     kSnapshotRefused,
     "",
     false},
    Command(
        "Save", [](Session& s) { s.RefuseMachineKeys(); },
        [](Session& s) { PressKey(s.MainForm(), ui::vk::F2); }, kSnapshotRefused),
    InCheck(
        "ConfirmInTheCheck", "/c",
        [](Session& s) {
          s.store.SetString(Root::CurrentUser, kRunKey, "Intruder", "evil.exe");
          s.RefuseMachineKeys();
          OnReport(s, [](TForm1& r) { Click(*r.BitBtn2); });
        },
        kSnapshotRefused),
    InCheck(
        "SaveCurrentListInTheCheck", "/c",
        [](Session& s) {
          s.store.AddFile(s.folders.startup + "\\new.txt", "x");
          s.RefuseMachineKeys();
          OnReport(s, [](TForm1& r) { Click(*r.btnSave); });
        },
        kSnapshotRefused),
    Command(
        "CheckSystemOnStartup", [](Session& s) { s.RefuseMachineKeys(); },
        [](Session& s) { Click(FindMenuItem(s.MainForm(), "N13")); },
        "Cannot open the registry key " + std::string(kSnapshotKey) + "\\HKCU_Run for writing"),
    InCheck(
        "ChangeBackOfTheMachineRunList", "/C",
        [](Session& s) {
          s.store.SetString(Root::LocalMachine, kRunKey, "Intruder", "evil.exe");
          s.RefuseMachineKeys();
          OnReport(s, [](TForm1& r) { Click(*r.btnCancel); });
        },
        "Cannot open the registry key "
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run for writing"),
    Command(
        "DeleteOnTheMachineRunList",
        [](Session& s) {
          s.RefuseMachineKeys();
          s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
        },
        [](Session& s) { RunListCommand(s, &Tmform::ToolButton1); }, kMachineRunRefused),
    Command(
        "EditOnTheMachineRunList",
        [](Session& s) {
          s.RefuseMachineKeys();
          s.toolkit.OnModal("TEditStr", [&s](ui::Form&) {
            s.program->EditStr.strval->SetText("other.exe");
            Click(*s.program->EditStr.btOk);
          });
        },
        [](Session& s) { RunListCommand(s, &Tmform::ToolButton2); }, kMachineRunRefused),
    Command(
        "AddOnTheMachineRunList",
        [](Session& s) {
          s.RefuseMachineKeys();
          AnswerAddForm(s, "New", "new.exe");
        },
        [](Session& s) { RunListCommand(s, &Tmform::ToolButton3); }, kMachineRunRefused),
    Command(
        "UndoOnTheMachineRunList",
        [](Session& s) {
          s.store.SetString(Root::CurrentUser, "SOFTWARE\\Tarnix\\0 01.01.2020 10:00:00 0 Gone",
                            "Command", "gone.exe");
          s.RefuseMachineKeys();
          s.toolkit.OnModal("Tundolist", [&s](ui::Form&) {
            Select(*s.program->undolist.ListBox1, 0);
            Click(*s.program->undolist.Button1);
          });
        },
        [](Session& s) { RunListCommand(s, &Tmform::ToolButton15); },
        "Permission to key HKCUSoftwareTarnix denied"),
    Command(
        "DeleteInTheAllUsersFolder",
        [](Session& s) {
          s.DenyCommonFolder();
          s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
        },
        [](Session& s) { CommonGroupCommand(s, &Tmform::ToolButton16); },
        "Cannot delete " + CommonStartup("All.lnk")),
    Command(
        "EditInTheAllUsersFolder",
        [](Session& s) {
          s.DenyCommonFolder();
          s.toolkit.OnModal("TfrmLink", [&s](ui::Form&) {
            s.program->frmLink.edtArg->SetText("-b");
            Click(*s.program->frmLink.bbtSave);
          });
        },
        [](Session& s) { CommonGroupCommand(s, &Tmform::ToolButton17); },
        "Cannot write the shortcut " + CommonStartup("All.lnk")),
    Command(
        "AddInTheAllUsersFolder",
        [](Session& s) {
          s.DenyCommonFolder();
          AnswerAddForm(s, "Everyone", "C:\\Tools\\all.exe");
        },
        [](Session& s) {
          SelectPage(*s.Main().PageControl1, 7);
          Click(*s.Main().ToolButton18);
        },
        "Cannot write the shortcut " + CommonStartup("Everyone.lnk")),
    InCheck(
        "SaveCurrentListOfTheAllUsersFolder", "/c",
        [](Session& s) {
          static_cast<void>(s.shortcuts.Plant(s.folders.commonStartup + "\\New.lnk", Decorated()));
          s.DenyCommonFolder();
          OnReport(s, [](TForm1& r) {
            Session::SelectLine(*r.ListBox1, "New.lnk");
            Click(*r.Button1);
            Click(*r.btnSave);
          });
        },
        "Cannot delete " + CommonStartup("New.lnk")),
    Command(
        "SaveOfAnEditedSystemFile",
        [](Session& s) { s.store.SetFileFault("C:\\WINDOWS\\SYSTEM32", FileFault::WriteDenied); },
        [](Session& s) {
          SelectPage(*s.Main().PageControl1, 2);
          Focus(*s.Main().config);
          TypeText(s.MainForm(), "files=40");
          PressKey(s.MainForm(), ui::vk::F2);
        },
        "Cannot create file C:\\WINDOWS\\SYSTEM32\\CONFIG.NT", true),
    {"Uninstall",
     {"/u"},
     "/u",
     true,
     [](Session& s) {
       s.RefuseMachineKeys();
       s.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
     },
     {},
     UninstallRefused(),
     "",
     false},
    {"StartTypeOfAService",
     {},
     "",
     true,
     [](Session& s) {
       s.services.faults().change["RpcSs"] = s.ServiceRefusal();
       s.toolkit.OnModal("TfrmServ", [&s](ui::Form&) {
         Click(*s.program->frmServ.r_auto);
         Click(*s.program->frmServ.BitBtn1);
       });
     },
     [](Session& s) {
       SelectPage(*s.Main().PageControl1, 5);
       Select(*s.Main().lsbNTServ, 1);
       Click(*s.Main().Button1);
     },
     "Only an administrator can change the start type of a service. Start Tarnix II as an "
     "administrator to change it.",
     "The start type of the service could not be changed.",
     false},
};

// The four ways a refused write can meet the program.
enum class Mode {
  Yes,       // not elevated, refused for lack of rights, the user restarts
  No,        // the same, the user declines
  Other,     // not elevated, refused for another reason
  Elevated,  // elevated, refused for lack of rights
};

std::unique_ptr<Session> RunPath(const RefusedPath& path, Mode mode) {
  auto s = std::make_unique<Session>(path.snapshot);
  s->toolkit.SetElevated(mode == Mode::Elevated);
  s->store.refusalsAsOther = mode == Mode::Other;
  path.prepare(*s);
  if (mode == Mode::Yes || mode == Mode::No)
    s->toolkit.AnswerNextMessageBox(mode == Mode::Yes ? ui::mb::IdYes : ui::mb::IdNo);
  Session& session = *s;
  s->Run(path.arguments,
         path.act ? std::function<void()>([&] { path.act(session); }) : std::function<void()>());
  return s;
}

// The boxes shown but the question, caption and text; the path's own box, of either kind,
// as one mark.
std::vector<std::string> Boxes(const Session& s, const RefusedPath& path) {
  std::vector<std::string> boxes;
  for (const MessageRecord& box : s.toolkit.Messages()) {
    if (box.text == Question(path))
      continue;
    const bool refused =
        box.text == path.refusal || (!path.otherwise.empty() && box.text == path.otherwise);
    boxes.push_back(refused ? "<refused>" : box.caption + "|" + box.text);
  }
  return boxes;
}

class RefusedPathTest : public ::testing::TestWithParam<RefusedPath> {};

TEST_P(RefusedPathTest, YesRestartsWithTheSameArgumentsAndEndsAtOnce) {
  const RefusedPath& path = GetParam();
  const auto s = RunPath(path, Mode::Yes);
  const auto& shown = s->toolkit.Messages();
  ASSERT_EQ(s->Count(Question(path)), 1);
  ASSERT_GE(shown.size(), 2u);
  const MessageRecord& question = shown.back();
  EXPECT_EQ(question.text, Question(path)) << "a box after the question";
  EXPECT_EQ(question.caption, "Attention!");
  EXPECT_EQ(question.style, ui::mb::YesNo | ui::mb::IconQuestion);
  EXPECT_EQ(question.owner, "mform");
  EXPECT_EQ(shown[shown.size() - 2].text, path.refusal);
  ASSERT_EQ(s->toolkit.ShellCalls().size(), 1u);
  EXPECT_EQ(s->toolkit.ShellCalls()[0].verb, "runas");
  EXPECT_EQ(s->toolkit.ShellCalls()[0].parameters, path.parameters);
  EXPECT_TRUE(s->ended);
  EXPECT_TRUE(s->toolkit.EndedAtOnce());
  for (size_t boxesBefore : s->store.changesAt)
    EXPECT_LT(boxesBefore, shown.size()) << "the store was changed after the question";
  EXPECT_EQ(s->marks, (std::vector<std::pair<bool, size_t>>{{false, 0}}));
}

TEST_P(RefusedPathTest, NoGoesOnAsAFailureOfAnotherKindDoes) {
  const RefusedPath& path = GetParam();
  const auto declined = RunPath(path, Mode::No);
  const auto other = RunPath(path, Mode::Other);
  EXPECT_EQ(declined->Count(Question(path)), 1);
  EXPECT_TRUE(declined->RunasCalls().empty());
  EXPECT_FALSE(declined->ended || declined->toolkit.EndedAtOnce());
  EXPECT_TRUE(declined->marks.empty());
  EXPECT_EQ(declined->actDone, static_cast<bool>(path.act));
  EXPECT_EQ(Boxes(*declined, path), Boxes(*other, path));
  EXPECT_EQ(declined->store.Contents(), other->store.Contents());
  EXPECT_EQ(declined->services.Changes(), other->services.Changes());
}

TEST_P(RefusedPathTest, AFailureOfAnotherKindOffersNothing) {
  const RefusedPath& path = GetParam();
  const auto s = RunPath(path, Mode::Other);
  EXPECT_EQ(s->Count(path.otherwise.empty() ? path.refusal : path.otherwise), 1)
      << "the path did not reach its write";
  EXPECT_EQ(s->Count(Question(path)), 0);
  EXPECT_TRUE(s->toolkit.ShellCalls().empty());
  EXPECT_EQ(s->actDone, static_cast<bool>(path.act));
}

// Under Wine every process counts as elevated: a refusal there has no restart to offer.
TEST_P(RefusedPathTest, AnElevatedProgramOffersNothing) {
  const RefusedPath& path = GetParam();
  const auto s = RunPath(path, Mode::Elevated);
  EXPECT_EQ(s->Count(path.refusal), 1) << "the path did not reach its write";
  EXPECT_EQ(s->Count(Question(path)), 0);
  EXPECT_TRUE(s->toolkit.ShellCalls().empty());
  EXPECT_EQ(s->actDone, static_cast<bool>(path.act));
}

INSTANTIATE_TEST_SUITE_P(EveryPath, RefusedPathTest, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<RefusedPath>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tarnix
