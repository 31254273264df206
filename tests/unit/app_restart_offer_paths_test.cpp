// Every path that writes where only an administrator may, each with exactly that write refused:
// the refusal reaches the restart offer after its own error box, and Yes writes nothing more.
// What the offer itself does is app_restart_offer_test's business.
#include <ostream>

#include "unit/app_restart_offer_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kSnapshotKey[] = "HKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2\\Save";

// The uninstall names every key of the program that it could not delete, deepest first.
std::string UninstallRefused() {
  std::string text = "Uninstall could not remove:";
  for (const char* section :
       {"HKLM_Run", "HKLM_RunService", "HKCU_Run", "Autoexec", "Config", "Winini", "Winstart",
        "Startup", "Common Startup", "HKLM32_Run", "HKLM_RunOnce", "HKLM32_RunOnce", "HKCU_RunOnce",
        "HKLM_PolicyRun", "HKCU_PolicyRun", "Winlogon"})
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
  return {name, {}, "", true, std::move(prepare), std::move(act), std::move(refusal), editsLost};
}

// A decision in the report of the check that `argument` starts.
RefusedPath InCheck(const char* name, const std::string& argument, Step prepare,
                    std::string refusal) {
  return {name, {argument}, argument, true, std::move(prepare), {}, std::move(refusal), false};
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
     false},
    {"StartTypeOfAService",
     {},
     "",
     true,
     [](Session& s) {
       s.services.faults().change["RpcSs"] = ServiceFailure::AccessDenied;
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
     false},
};

class RefusedPathTest : public ::testing::TestWithParam<RefusedPath> {};

TEST_P(RefusedPathTest, ReachesTheOfferAfterItsErrorBoxAndYesWritesNothingMore) {
  const RefusedPath& path = GetParam();
  Session s(path.snapshot);
  s.toolkit.SetElevated(false);
  path.prepare(s);
  s.toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  s.Run(path.arguments, path.act ? std::function<void()>([&] { path.act(s); }) : nullptr);
  const auto& shown = s.toolkit.Messages();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown.back().text, Question(path));
  EXPECT_EQ(shown[shown.size() - 2].text, path.refusal);
  EXPECT_EQ(s.Count(Question(path)), 1);
  ASSERT_EQ(s.RunasCalls().size(), 1u);
  EXPECT_EQ(s.RunasCalls()[0].parameters, path.parameters);
  EXPECT_TRUE(s.ended);
  for (size_t boxesBefore : s.store.changesAt)
    EXPECT_LT(boxesBefore, shown.size()) << "the store was changed after the question";
}

INSTANTIATE_TEST_SUITE_P(EveryPath, RefusedPathTest, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<RefusedPath>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tarnix
