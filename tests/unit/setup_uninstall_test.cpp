// The uninstall of /u: what it removes, what it leaves, and what it says.
#include "setup/setup_commands.h"
#include "unit/setup_fixture.h"
#include "watchdog/save_command.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kDone[] = "Please, delete files: Tarnix2.exe and etc. manually";

class UninstallTest : public SetupTest {
 protected:
  // A first start with every box checked, with a writer that makes the shortcut files, and the
  // snapshot that follows.
  void Installed() {
    Start({"/c"});
    FirstLaunchActions(program->ws, {true, true, true}, Recorder());
    ASSERT_TRUE(SaveSnapshot(program->ws));
    toolkit.TakeMessages();
  }
  void Uninstall() {
    toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    Start({"/u"});
  }
};

TEST_F(UninstallTest, RemovesEverythingInstalledAndSaysSo) {
  Installed();
  ASSERT_EQ(written.size(), 4u);
  Uninstall();
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2"));
  for (const ShortcutSpec& spec : written) EXPECT_FALSE(FileExists(spec.path)) << spec.path;
  EXPECT_FALSE(store.FolderExists(Programs("MovendaSoft")));
  const auto* done = Shown(kDone);
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(done->caption, "Uninstall complete successfully!");
  EXPECT_EQ(done->style, ui::mb::Ok);
  EXPECT_TRUE(toolkit.Terminated());
}

TEST_F(UninstallTest, OtherEntriesKeepTheMakersFolder) {
  Installed();
  store.AddFile(Programs("MovendaSoft\\Other tool.lnk"), "link");
  Uninstall();
  EXPECT_FALSE(store.FolderExists(Programs("MovendaSoft\\Tarnix2")));
  EXPECT_TRUE(FileExists(Programs("MovendaSoft\\Other tool.lnk")));
  EXPECT_TRUE(WasShown(kDone));
}

TEST_F(UninstallTest, UnknownFoldersStillRemoveTheRegistryEntriesAndNoFile) {
  Installed();
  store.AddFile("C:\\Tarnix2.lnk", "someone else's");
  EXPECT_TRUE(
      store.DeleteKey(Root::CurrentUser,
                      "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"));
  Uninstall();
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kSave));
  EXPECT_TRUE(FileExists(Programs("MovendaSoft\\Tarnix2\\Tarnix2.lnk")));
  EXPECT_TRUE(FileExists("C:\\Tarnix2.lnk"));
  EXPECT_TRUE(WasShown(kDone));
}

TEST_F(UninstallTest, ARefusedDeletionIsReportedBeforeTheClosingWords) {
  Installed();
  store.RefuseWrite(Root::LocalMachine, "\\Software\\Movenda");
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  Start({"/u"});
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  const auto& shown = toolkit.Messages();
  ASSERT_GE(shown.size(), 2u);
  ASSERT_EQ(shown.back().text, kDone);
  const auto& report = shown[shown.size() - 2];
  EXPECT_EQ(report.caption, "Error!");
  EXPECT_EQ(report.style, ui::mb::Ok | ui::mb::IconStop);
  EXPECT_NE(report.text.find("HKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2\\Save\\HKLM_Run"),
            std::string::npos);
  const std::string productKey = "\r\nHKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2";
  EXPECT_EQ(report.text.substr(report.text.size() - productKey.size()), productKey);
  // The shortcuts went all the same.
  EXPECT_FALSE(FileExists(Desktop("Tarnix2.lnk")));
}

TEST_F(UninstallTest, NothingInstalledIsNothingToFail) {
  if (store.KeyExists(Root::CurrentUser, kRunKey)) {
    ASSERT_TRUE(store.DeleteKey(Root::CurrentUser, kRunKey));
  }
  Create();
  UninstallProgram(program->ws);
  EXPECT_TRUE(WasShown(kDone));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2"));
}

}  // namespace
}  // namespace tarnix
