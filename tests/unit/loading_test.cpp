// The catalogue, loading every startup place into the controls, and the refresh.
#include <algorithm>

#include "platform/registry_keys.h"
#include "sources/catalogue.h"
#include "unit/watchdog_fixture.h"

namespace tarnix {
namespace {

using ui::headless::HeadlessToolkit;

const char kRunServices[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";

// A platform whose folder listing also reports the "." and ".." entries, as old systems did.
class DotListingStore : public MemoryStore {
 public:
  std::vector<FileEntry> ListFiles(const std::string& folder, const std::string& pattern) override {
    std::vector<FileEntry> entries = {{".", attr::Directory | attr::ReadOnly},
                                      {"..", attr::Directory | attr::Hidden}};
    for (FileEntry& entry : MemoryStore::ListFiles(folder, pattern)) entries.push_back(entry);
    return entries;
  }
};

class LoadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = toolkit.CreateForm({"mform", "Tmform", "Tarnix II", 567, 437});
    views = AddPlaceViews(*form);
    form->Show();
  }

  // The workspace over the store as it is now, bound to the controls.
  Workspace& Bind() {
    ws = std::make_unique<Workspace>(store, toolkit);
    ws->catalogue = BuildCatalogue(store);
    ws->views = views;
    BindPlaceEdits(*ws);
    return *ws;
  }

  DotListingStore store;
  HeadlessToolkit toolkit;
  std::unique_ptr<ui::Form> form;
  PlaceViews views;
  std::unique_ptr<Workspace> ws;
};

// A text page keeps what it holds when its file is missing; absent win.ini values are empty.
TEST_F(LoadingTest, TextPagesAndWinIniTakeWhatTheFilesHold) {
  store.AddFile("C:\\WINDOWS\\winstart.bat", "@echo off\r\nrem one\r\n");
  const std::string longValue(3000, 'x');
  EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", longValue));
  views.autoex->SetLines({"shown before"});
  views.winstart->SetWordWrap(true);
  views.run->SetText("old");
  Workspace& w = Bind();
  LoadTextPages(w);
  LoadWinIni(w);
  EXPECT_EQ(views.winstart->Lines(), (std::vector<std::string>{"@echo off", "rem one"}));
  EXPECT_FALSE(static_cast<ui::headless::HeadlessTextPage*>(views.winstart)->WordWrap());
  EXPECT_EQ(views.autoex->Lines(), (std::vector<std::string>{"shown before"}));
  EXPECT_EQ(views.load->Text(), longValue);
  EXPECT_EQ(views.run->Text(), "");
}

TEST_F(LoadingTest, StartupFolderSkipsOnlyPlainSubfoldersAndTheDotEntries) {
  const SeededShellFolders folders = store.SeedShellFolders();
  store.AddFile(folders.startup + "\\desktop.ini", "", attr::Hidden | attr::System);
  store.AddFile(folders.startup + "\\Notes.lnk", "L");
  store.AddFolder(folders.startup + "\\Plain");
  store.AddFolder(folders.startup + "\\Marked");
  EXPECT_TRUE(
      store.SetFileAttributes(folders.startup + "\\Marked", attr::Directory | attr::ReadOnly));
  Workspace& w = Bind();
  ListStartupFolder(w, *w.catalogue.Find("Startup"));
  std::vector<std::string> items = views.lsbStart->Items();
  std::sort(items.begin(), items.end());
  EXPECT_EQ(items, (std::vector<std::string>{"Marked", "Notes.lnk", "desktop.ini"}));
}

class RefreshTest : public LoadingTest {
 protected:
  void SetUp() override {
    LoadingTest::SetUp();
    folders = store.SeedShellFolders();
    store.SetString(Root::LocalMachine, kRun, "Tray", "tray.exe");
    store.SetString(Root::LocalMachine, kRunServices, "Spooler", "spool.exe");
    store.AddFile("C:\\WINDOWS\\SYSTEM32\\AUTOEXEC.NT", "rem stored\r\n");
    EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "loader.exe"));
    store.AddFile(folders.commonStartup + "\\Common.lnk", "L");
  }
  SeededShellFolders folders;
};

TEST_F(RefreshTest, ReloadsEveryPlaceAndDropsUnsavedTyping) {
  Workspace& w = Bind();
  views.runLists[0]->Add("stale");
  views.lsbComSt->Add("stale");
  views.config->SetLines({"stale"});
  views.winstart->SetLines({"stale"});
  UserEdit(*views.autoex, {"typed"});
  UserEdit(*views.load, "typed");
  views.lsbNTServ->Add("Spooler service");
  w.dataChanged = true;

  RefreshAll(w);

  EXPECT_EQ(views.runLists[0]->Items(), (std::vector<std::string>{"Tray"}));
  // The RunServices key is read by every refresh, NT included.
  EXPECT_EQ(views.runLists[1]->Items(), (std::vector<std::string>{"Spooler"}));
  EXPECT_EQ(views.lsbComSt->Items(), (std::vector<std::string>{"Common.lnk"}));
  EXPECT_TRUE(views.config->Lines().empty()) << "no file: an empty page";
  EXPECT_TRUE(views.winstart->Lines().empty());
  EXPECT_EQ(views.autoex->Lines(), (std::vector<std::string>{"rem stored"}));
  EXPECT_EQ(views.load->Text(), "loader.exe");
  EXPECT_FALSE(AnyTextModified(w));
  EXPECT_FALSE(w.dataChanged);
  EXPECT_EQ(views.lsbNTServ->Items(), (std::vector<std::string>{"Spooler service"}));
  ASSERT_TRUE(store.DeleteFile("C:\\WINDOWS\\SYSTEM32\\AUTOEXEC.NT"));
  RefreshAll(w);
  EXPECT_TRUE(views.autoex->Lines().empty()) << "a file gone since: an empty page";
}

TEST_F(RefreshTest, ModifiedMarksAreCollectedFromAllFiveTexts) {
  Workspace& w = Bind();
  EXPECT_FALSE(AnyTextModified(w));
  for (auto mark : {+[](PlaceViews& v) { UserEdit(*v.winstart, {"x"}); },
                    +[](PlaceViews& v) { UserEdit(*v.run, "x"); },
                    +[](PlaceViews& v) { UserEdit(*v.config, {"x"}); }}) {
    mark(w.views);
    EXPECT_TRUE(AnyTextModified(w));
    ClearModifiedMarks(w);
    EXPECT_FALSE(AnyTextModified(w));
  }
}

const char kShellFolders[] =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST(Catalogue, SectionsAreFoundByTheirIdAndRunListsSplitIntoRootAndPath) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  for (size_t i = 0; i < catalogue.sections.size(); ++i) {
    EXPECT_EQ(SectionIndex(catalogue.sections[i].id), static_cast<int>(i));
    EXPECT_EQ(&catalogue.Section(catalogue.sections[i].id), &catalogue.sections[i]);
  }
  for (int index = 0; index < kRunListCount; ++index) {
    const RunKeyLocation key = RunListKey(index);
    EXPECT_EQ(catalogue.RunList(index).place, RootName(key.root) + key.path) << index;
  }
  EXPECT_EQ(RunListKey(2).root, Root::CurrentUser);
  EXPECT_THROW(RunListKey(kRegistryListCount), std::out_of_range);
  EXPECT_THROW(catalogue.RunList(-1), std::out_of_range);
  EXPECT_EQ(catalogue.Find("Nothing"), nullptr);
}

// The user's StartUp value and its place; a relative path would hang on the current folder.
struct FolderCase {
  const char* name;  // value name, matched without regard to case
  const char* value;
  const char* place;
};

TEST(CatalogueFolders, TheValueGivesThePlaceOrLeavesItUnknown) {
  const FolderCase cases[] = {
      {"Startup", "D:\\Start", "D:\\Start\\"},
      {"StartUp", "D:\\All\\", "D:\\All\\"},
      {"StartUp", "E:\\", "E:\\"},
      {"StartUp", "d:\\start", "d:\\start\\"},
      {"StartUp", "\\\\server\\all\\start", "\\\\server\\all\\start\\"},
      {"StartUp", "", ""},
      {"Desktop", "D:\\Start", ""},
      {"StartUp", "\\", ""},
      {"StartUp", "\\\\", ""},
      {"StartUp", "Startup", ""},
      {"StartUp", "Start Menu\\Startup", ""},
      {"StartUp", "C:Startup", ""},
      {"StartUp", "\\Start Menu\\Startup", ""},
      {"StartUp", "%USERPROFILE%\\Startup", ""},
  };
  for (const FolderCase& c : cases) {
    MemoryStore store;
    store.SetString(Root::CurrentUser, kShellFolders, c.name, c.value);
    store.AddFolder("D:\\Start");
    store.AddFolder("D:\\All");
    store.AddFolder("\\\\server\\all\\start");
    const Catalogue catalogue = BuildCatalogue(store);
    const StartupSection& startup = *catalogue.Find("Startup");
    EXPECT_EQ(startup.place, c.place) << c.value;
    EXPECT_EQ(startup.placeKnown, *c.place != '\0') << c.value;
  }
}

TEST(CatalogueFolders, AMissingRefusedOrNonStringValueLeavesThePlaceUnknownAndNoKeyIsMade) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_FALSE(catalogue.Find("Common Startup")->placeKnown);
  EXPECT_FALSE(store.KeyExists(Root::CurrentUser, kShellFolders));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kShellFolders));

  store.SetValue(Root::CurrentUser, kShellFolders, "StartUp",
                 RegValue{regtype::Dword, std::string(4, '\0')});
  store.SetString(Root::LocalMachine, kShellFolders, "Common StartUp", "C:\\All");
  store.AddFolder("C:\\All");
  store.RefuseOpen(Root::LocalMachine, kShellFolders);
  catalogue = BuildCatalogue(store);
  EXPECT_EQ(catalogue.Find("Startup")->place, "");
  EXPECT_EQ(catalogue.Find("Common Startup")->place, "");
  EXPECT_FALSE(catalogue.Find("Common Startup")->placeKnown);
}

}  // namespace
}  // namespace tarnix
