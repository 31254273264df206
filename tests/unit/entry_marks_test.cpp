// Task Manager's marks on the run lists and startup groups: shown greyed, told, and written.
#include "base/text_case.h"
#include "sources/mark_commands.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const std::string kApproved =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";

const std::string kUnlisted =
    "Only the entries that Task Manager lists can be disabled or enabled; those of "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\";

// 05.12.2026 16:35:34 UTC as a file time.
const uint64_t kNow = 0x01dd84d6a65d8f00;

RegValue Bytes(int first, uint64_t time = 0) {
  RegValue mark{regtype::Binary, std::string(12, '\0')};
  mark.data[0] = static_cast<char>(first);
  for (int i = 0; i < 8; ++i) mark.data[4 + i] = static_cast<char>((time >> (8 * i)) & 0xFF);
  return mark;
}

// An entry of each place Task Manager lists, and where it marks it.
struct Place {
  SectionId id;
  Root root;
  std::string markKey, entry;
} const kPlaces[] = {
    {SectionId::HklmRun, Root::LocalMachine, kApproved + "Run", "Tray"},
    {SectionId::HkcuRun, Root::CurrentUser, kApproved + "Run", "Mail"},
    {SectionId::Startup, Root::CurrentUser, kApproved + "StartupFolder", "Notes.lnk"},
    {SectionId::CommonStartup, Root::LocalMachine, kApproved + "StartupFolder", "Common.lnk"}};

class EntryMarksTest : public AppTest {
 protected:
  EntryMarksTest() {
    const SeededShellFolders folders = store.SeedShellFolders();
    store.SetPlatform(PlatformPreset::Windows98);  // RunServices is listed, and never marked
    store.SetString(Root::LocalMachine, kRunKey, "Tray", "tray.exe");
    store.SetString(Root::LocalMachine, kRunServicesKey, "Spooler", "spool.exe");
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "mail.exe");
    store.AddFile(folders.startup + "\\Notes.lnk", "L");
    store.AddFile(folders.commonStartup + "\\Common.lnk", "L");
    store.SetNow({2026, 12, 5, 16, 35, 34});
  }
  Workspace& ws() { return program->ws; }
  ui::ListBox& List(SectionId id) { return *ws().views.List(id); }
  bool Greyed(SectionId id, const std::string& entry) {
    const std::vector<std::string> items = List(id).Items();
    const auto at = std::find(items.begin(), items.end(), entry);
    return at != items.end() && List(id).ItemGreyed(static_cast<int>(at - items.begin()));
  }
  std::string Status() { return Main().StatusBar1->PanelText(0); }
  void SetMark(const Place& place, bool disabled) {
    SetEntryDisabled(ws(), ws().catalogue.Section(place.id), place.entry, disabled);
  }
  std::optional<RegValue> Mark(const Place& place) {
    return store.Value(place.root, place.markKey, place.entry);
  }
};

TEST_F(EntryMarksTest, EachPlaceIsGreyedByItsOwnMarkWhateverTheCaseOfItsName) {
  for (const Place& place : kPlaces)
    store.SetValue(place.root, place.markKey, UpperCase(place.entry),
                   Bytes(place.id == SectionId::Startup ? 7 : 3));
  store.SetValue(Root::LocalMachine, kApproved + "Run", "Spooler", Bytes(3));
  store.SetValue(Root::CurrentUser, kApproved + "Run", "Notes.lnk", Bytes(3));
  store.SetValue(Root::LocalMachine, kApproved + "Run32", "Tray", Bytes(2));
  Create();
  for (const Place& place : kPlaces) EXPECT_TRUE(Greyed(place.id, place.entry)) << place.entry;
  EXPECT_FALSE(Greyed(SectionId::HklmRunService, "Spooler"));
  store.SetValue(Root::CurrentUser, kApproved + "StartupFolder", "NOTES.LNK", Bytes(6));
  RefreshAll(ws());
  EXPECT_FALSE(Greyed(SectionId::Startup, "Notes.lnk"));
  EXPECT_TRUE(Greyed(SectionId::HklmRun, "Tray"));
}

// Enabling writes what Windows writes on enable.
TEST_F(EntryMarksTest, DisableAndEnableWriteTaskManagersBytesAndShowTheState) {
  Create();
  for (const Place& place : kPlaces) {
    SetMark(place, true);
    EXPECT_EQ(Mark(place), Bytes(3, kNow)) << place.entry;
    EXPECT_TRUE(Greyed(place.id, place.entry));
    EXPECT_EQ(Status(), place.entry + " is disabled in Task Manager since 05.12.2026 16:35:34");
    EXPECT_EQ(List(place.id).Item(List(place.id).ItemIndex()), place.entry) << "still chosen";
    SetMark(place, false);
    EXPECT_EQ(Mark(place), Bytes(2));
    EXPECT_FALSE(Greyed(place.id, place.entry));
    EXPECT_EQ(Status(), place.entry + " is enabled");
  }
  store.SetValue(Root::CurrentUser, kApproved + "Run", "mail", Bytes(3, 42));
  SetMark(kPlaces[1], true);
  EXPECT_EQ(Mark(kPlaces[1]), Bytes(3, 42)) << "disabling again keeps when it was first disabled";
}

TEST_F(EntryMarksTest, ARefusedMarkIsToldWithTheRestartOfferAndRunServicesHasNone) {
  toolkit.SetElevated(false);
  store.RefuseWrite(Root::LocalMachine, kApproved);
  toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  Create();
  SetMark(kPlaces[0], true);
  const std::string denied = "Error with writing to registry. Possibly, write access denied to ";
  EXPECT_TRUE(Showed(denied + "HKEY_LOCAL_MACHINE" + kApproved + "Run", "Error!", kErrorBox));
  EXPECT_TRUE(
      WasShown("Windows refused the change: Tarnix2 runs without administrator rights."
               "\r\n\r\nRestart Tarnix2 as administrator?"));
  EXPECT_FALSE(Greyed(SectionId::HklmRun, "Tray"));
  EXPECT_EQ(Status(), "Tray is enabled");
  SetEntryDisabled(ws(), ws().catalogue.Section(SectionId::HklmRunService), "Spooler", true);
  EXPECT_TRUE(Showed(kUnlisted + "Windows\\CurrentVersion\\RunServices cannot.", "Sorry!",
                     ui::mb::Ok | ui::mb::IconInfo));
  EXPECT_EQ(store.Value(Root::LocalMachine, kApproved + "Run", "Spooler"), std::nullopt);
}

TEST_F(EntryMarksTest, TheEditMenuMarksTheFocusedListsEntryAndTheLogonPagesRun32ByItsLine) {
  ASSERT_TRUE(store.OpenKey(Root::LocalMachine, kRunKey, true, RegView::Bits32)
                  ->WriteString("Tool32", "tool32.exe"));
  store.SetValue(Root::LocalMachine, kApproved + "Run32", "Tool32", Bytes(3));
  store.SetValue(Root::LocalMachine, kApproved + "Run", "Tool32", Bytes(2));
  store.SetString(Root::LocalMachine, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                  "Shell", "explorer.exe");
  WhileRunning([&] {
    SelectPage(*Main().PageControl1, 6);
    Select(*Main().lsbStart, 0);
    EXPECT_EQ(Status(), "Notes.lnk is enabled");
    Click(FindMenuItem(MainForm(), "N22"));
    SelectPage(*Main().PageControl1, 0);
    Select(*Main().ListBox3, 0);
    Click(FindMenuItem(MainForm(), "N22"));
    Click(FindMenuItem(MainForm(), "N23"));
    SelectPage(*Main().PageControl1, 8);
    ui::ListBox& logon = *Main().lsbLogon;
    ASSERT_EQ(logon.Item(0).rfind("HKLM Run (32-bit)\tTool32\t", 0), 0u);
    EXPECT_TRUE(logon.ItemGreyed(0));
    Select(logon, 0);
    EXPECT_EQ(Status(), "Tool32 is disabled in Task Manager");
    Click(FindMenuItem(MainForm(), "Enable4"));
    EXPECT_FALSE(logon.ItemGreyed(0));
    Select(logon, logon.Count() - 1);
    Click(FindMenuItem(MainForm(), "Disable4"));
  });
  EXPECT_EQ(Mark(kPlaces[2]), Bytes(3, kNow));
  EXPECT_EQ(Mark(kPlaces[1]), Bytes(2));
  EXPECT_EQ(Mark(kPlaces[0]), std::nullopt);
  EXPECT_EQ(store.Value(Root::LocalMachine, kApproved + "Run32", "Tool32"), Bytes(2));
  EXPECT_TRUE(WasShown(kUnlisted + "Windows NT\\CurrentVersion\\Winlogon cannot."));
}

}  // namespace
}  // namespace tarnix
