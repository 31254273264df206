// The Logon page: every logon list, each in its view, and the commands on its lines.
#include "setup/find.h"
#include "unit/runlists_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kWinlogon[] = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char kPolicyRun[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Run";
const char kRefused[] =
    "Error with writing to registry. Possibly, write access denied to "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class LogonPageTest : public RunListsTest {
 protected:
  void SetUp() override {
    RunListsTest::SetUp();
    store.SetPlatform(PlatformPreset::Windows10);
    ASSERT_TRUE(store.OpenKey(Root::LocalMachine, kRunKey, true, RegView::Bits32)
                    ->WriteString("App32", "C:\\x86\\app.exe"));
    store.SetString(Root::CurrentUser, kPolicyRun, "Policy", "p.exe");
    store.SetString(Root::LocalMachine, kWinlogon, "Shell", "explorer.exe");
    store.SetString(Root::LocalMachine, kWinlogon, "LegalNotice", "hello");
  }
  ui::ListBox& Page() { return *ws().views.lsbLogon; }
  std::optional<RegValue> Run32(const std::string& name) {
    return store.OpenKey(Root::LocalMachine, kRunKey, false, RegView::Bits32)->ReadValue(name);
  }
  // Selects the line, then runs the page's command, answering its questions (OK).
  void OnLine(int line, void (Tmform::*command)(), std::vector<int> answers = {ui::mb::IdOk}) {
    Select(Page(), line);
    for (int answer : answers) toolkit.AnswerNextMessageBox(answer);
    (Main().*command)();
  }
};

TEST_F(LogonPageTest, ShowsEachListInItsViewAndOfWinlogonOnlyTheSettings) {
  EXPECT_EQ(Page().Items(), (std::vector<std::string>{"HKLM Run (32-bit)\tApp32\tC:\\x86\\app.exe",
                                                      "HKCU Policies Run\tPolicy\tp.exe",
                                                      "HKLM Winlogon\tShell\texplorer.exe"}));
  EXPECT_EQ(List(0).Items(), std::vector<std::string>{"Tray"});
  program->frmFind.ws = &ws();
  SearchPlaces(ws(), program->frmFind, "POLICY", false);
  EXPECT_EQ(program->frmFind.area, 10);
  EXPECT_EQ(Page().ItemIndex(), 1);
}

TEST_F(LogonPageTest, DeleteAsksRemovesTheEntryInItsViewAndUndoPutsItBack) {
  OnLine(0, &Tmform::Delete4Click);
  EXPECT_TRUE(
      Showed("Are you sure delete App32 ?", "Attention!", ui::mb::OkCancel | ui::mb::IconWarning));
  EXPECT_EQ(Run32("App32"), std::nullopt);
  EXPECT_EQ(Page().Count(), 2);
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{"0 05.12.2026 16:35:34 3 App32"});
  Undo(0);
  EXPECT_EQ(undoLines[0],
            std::vector<std::string>{"Deleted     05.12.2026 16:35:34 HKLM32\\...\\Run\\App32"});
  EXPECT_EQ(Run32("App32"), (RegValue{regtype::String, "C:\\x86\\app.exe"}));
  EXPECT_EQ(store.Value(Root::LocalMachine, kRunKey, "App32"), std::nullopt);
}

TEST_F(LogonPageTest, ShellIsEditedButNeverDeletedAndEditingLeavesTheRegistryPageCurrent) {
  toolkit.OnModal("TEditStr", [this](ui::Form&) {
    program->EditStr.strval->SetText("explorer.exe");
    Click(*program->EditStr.btOk);
  });
  store.SetString(Root::LocalMachine, kWinlogon, "Shell", "explorer.exe evil.exe");
  Select(Page(), 2);
  Main().Change4Click();
  EXPECT_EQ(store.Value(Root::LocalMachine, kWinlogon, "Shell"),
            (RegValue{regtype::String, "explorer.exe"}));
  EXPECT_EQ(ws().currentRunList, 0);
  OnLine(2, &Tmform::Delete4Click);
  EXPECT_TRUE(
      Showed("Shell cannot be deleted: Windows needs it to start the desktop. Edit it "
             "instead.",
             "Sorry!", ui::mb::IconWarning));
  EXPECT_TRUE(store.Value(Root::LocalMachine, kWinlogon, "Shell"));
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{"1 05.12.2026 16:35:34 9 Shell"});
}

TEST_F(LogonPageTest, ARefusedDeleteIsToldWithItsViewAndOffersTheRestart) {
  toolkit.SetElevated(false);
  store.RefuseWrite(Root::LocalMachine, "");
  OnLine(0, &Tmform::Delete4Click, {ui::mb::IdOk, ui::mb::IdNo});
  EXPECT_TRUE(Showed(kRefused + std::string(" (32-bit)"), "Error!", kErrorBox));
  EXPECT_EQ(toolkit.Messages().back().style, ui::mb::YesNo | ui::mb::IconQuestion);
  EXPECT_TRUE(Run32("App32") && RecentSteps().empty());
}

}  // namespace
}  // namespace tarnix
