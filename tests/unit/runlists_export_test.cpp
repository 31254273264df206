// The REGEDIT4 export: bytes, save dialog, closing boxes, and values the file cannot hold.
#include "runlists/export.h"
#include "unit/runlists_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kFile[] = "C:\\Backup\\tarnix.reg";
const std::string kHeader = "REGEDIT4\r\n\r\n";
const std::string kMachineRun =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n";
const std::string kServices =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices]\n";
const std::string kUserRun =
    "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n";

class ExportTest : public RunListsTest {
 protected:
  void SetUp() override {
    RunListsTest::SetUp();
    store.AddFolder("C:\\Backup");
  }
  std::string File() { return store.FileBytes(kFile).value_or("<none>"); }
  // The toolbar's export, or the menu's, with the file chosen in the save dialog.
  void Export(bool byMenu = false) {
    ws();
    toolkit.QueueSaveFile(std::string(kFile));
    byMenu ? Main().Saveallkeystofile1Click() : Main().ToolButton5Click();
  }
  // The error that stops the export; empty when none does.
  std::string ExportError() {
    try {
      Export();
    } catch (const StoreError& error) {
      return error.what();
    }
    return "";
  }
};

// A missing key still gives its heading; the file replaces an earlier one.
TEST_F(ExportTest, NamesAndDataAreEscapedAndTypedValuesKeepTheirType) {
  EXPECT_TRUE(store.DeleteKey(Root::LocalMachine, kRunServicesKey));
  store.AddFile(kFile, std::string(1000, 'x'));  // longer than the export
  store.SetString(Root::CurrentUser, kRunKey, "Dir\\\"Q\" é", "\"C:\\a b\\x.exe\" /é");
  store.SetValue(Root::CurrentUser, kRunKey, "Exp", {regtype::ExpandString, "%A%\\é"});
  store.SetValue(Root::CurrentUser, kRunKey, "Num", {regtype::Dword, std::string("\x2a\0\0\0", 4)});
  // "é", "two" as the registry keeps a multi-string: UTF-16, each with its zero, one more zero.
  store.SetValue(Root::CurrentUser, kRunKey, "Multi",
                 {regtype::MultiString, std::string("\xE9\0\0\0t\0w\0o\0\0\0\0\0", 14)});
  store.SetString(Root::CurrentUser, kRunKey, "Lines", "a.exe\r\n@=dword:00000001");
  store.SetString(Root::CurrentUser, kRunKey, "Empty", "");
  Export();
  EXPECT_EQ(File(), kHeader + kMachineRun + "\"Tray\"=\"C:\\\\Tools\\\\tray.exe\"\r\n\r\n" +
                        kServices + "\r\n" + kUserRun +
                        "\"Mail\"=\"mail.exe /q\"\r\n"
                        "\"Dir\\\\\\\"Q\\\" \xE9\"=\"\\\"C:\\\\a b\\\\x.exe\\\" /\xE9\"\r\n"
                        "\"Exp\"=hex(2):25,41,25,5c,e9,00\r\n"
                        "\"Num\"=dword:0000002a\r\n"
                        "\"Multi\"=hex(7):e9,00,74,77,6f,00,00\r\n"
                        "\"Lines\"=hex(1):61,2e,65,78,65,0d,0a,40,3d,64,77,6f,72,64,3a,30,30,30,"
                        "30,30,30,30,31,00\r\n"
                        "\"Empty\"=\"\"\r\n\r\n");
}

// The save dialog proposes tarnix.reg in the Windows folder; cancelled, it writes nothing.
TEST_F(ExportTest, TheToolbarAndTheMenuCloseWithDifferentBoxes) {
  ws();
  toolkit.QueueSaveFile(std::nullopt);
  Main().ToolButton5Click();
  EXPECT_FALSE(store.FileBytes(kFile).has_value());
  Export();
  Export(true);
  const FileDialogRecord& dialog = toolkit.FileDialogs().at(0);
  EXPECT_TRUE(dialog.save);
  EXPECT_EQ(dialog.spec.fileName, "tarnix.reg");
  EXPECT_EQ(dialog.spec.initialFolder, "C:\\WINDOWS");
  ASSERT_EQ(toolkit.Messages().size(), 2u);
  EXPECT_TRUE(Showed(kFile, "Registry key's Run,RunServices saved!", ui::mb::Ok));
  EXPECT_EQ(toolkit.Messages()[1].caption, "File created successfully!");
  EXPECT_EQ(toolkit.Messages()[1].style, ui::mb::IconInfo);
  EXPECT_EQ(store.FileWrites(kFile), 2);
}

// A name ends where its quotes end: one that holds a line break cannot be written at all.
TEST_F(ExportTest, AnEntryTheFileCannotHoldStopsTheExportNamedAndTheOldFileIsKept) {
  store.AddFile(kFile, "old");
  store.SetString(Root::CurrentUser, kRunKey, "日本", "x.exe");
  store.SetString(Root::LocalMachine, kRunKey, "Check", "✓.exe");
  EXPECT_EQ(ExportError(),
            "The entry \"Check\" of "
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run "
            "holds a character that a REGEDIT4 file cannot hold. Nothing was written.");
  store.SetString(Root::LocalMachine, kRunKey, "Check", "c.exe");
  store.SetString(Root::LocalMachine, kRunKey, "Two\r\n[HKEY_LOCAL_MACHINE\\X]", "x.exe");
  EXPECT_NE(ExportError().find("holds a line break or another control character"),
            std::string::npos);
  EXPECT_TRUE(toolkit.Messages().empty());
  EXPECT_EQ(File(), "old");
}

}  // namespace
}  // namespace tarnix
