// Loading every startup place into the controls, and the refresh.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/headless/driver.h"
#include "fakes/store_memory.h"
#include "sources/loading.h"
#include "unit/user_edits.h"

namespace tarnix {
namespace {

using ui::headless::HeadlessToolkit;

const char kRun[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunServices[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";

// A platform whose folder listing also reports the "." and ".." entries, as old systems did.
class DotListingStore : public MemoryStore {
 public:
  std::vector<FileEntry> ListFiles(const std::string& folder, const std::string& pattern) override {
    std::vector<FileEntry> entries = {{".", attr::Directory | attr::ReadOnly},
                                      {"..", attr::Directory | attr::Hidden}};
    for (FileEntry& entry : MemoryStore::ListFiles(folder, pattern)) {
      entries.push_back(entry);
    }
    return entries;
  }
};

class LoadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = toolkit.CreateForm({"mform", "Tmform", "Tarnix II", 567, 437});
    for (int i = 0; i < kRunListCount; ++i) {
      views.runLists[i] = form->AddListBox({"ListBox" + std::to_string(i + 1)});
    }
    views.autoex = form->AddTextPage({"autoex"});
    views.config = form->AddTextPage({"config"});
    views.winstart = form->AddTextPage({"winstart"});
    views.load = form->AddEdit({"load"});
    views.run = form->AddEdit({"run"});
    views.lsbStart = form->AddListBox({"lsbStart"});
    views.lsbComSt = form->AddListBox({"lsbComSt"});
    views.lsbNTServ = form->AddListBox({"lsbNTServ"});
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

}  // namespace
}  // namespace tarnix
