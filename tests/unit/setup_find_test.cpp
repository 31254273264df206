// Find across the main window's areas: order, step, wrap-around and what a match shows.
#include <utility>

#include "setup/find.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

using Match = std::pair<int, int>;  // area, position

class FindTest : public AppTest {
 protected:
  void SetUp() override { store.SetPlatform(PlatformPreset::Windows98); }

  TfrmFind& Find() { return program->frmFind; }
  std::string ActivePage() { return Main().PageControl1->ActivePage()->Caption(); }

  // Shows the window, types the text and presses "&Find", then "Find &Next (F3)" until
  // `count` searches were made; each search's area and position.
  std::vector<Match> Searches(const std::string& what, int count) {
    Click(*Main().Find1);
    Find().edtStr->SetText(what);
    std::vector<Match> found;
    Click(*Find().bbtFind);
    found.emplace_back(Find().area, Find().position);
    while (static_cast<int>(found.size()) < count) {
      Click(*Find().bbtNext);
      found.emplace_back(Find().area, Find().position);
    }
    return found;
  }
  void Fill() {
    UserEdit(*Main().autoex, {"SET PATH=C:\\NET", "net start"});
    UserEdit(*Main().config, {"DEVICE=NETX.SYS"});
    UserEdit(*Main().winstart, {"rem nothing"});
    UserEdit(*Main().load, "netmon.exe");
    UserEdit(*Main().run, "");
  }
};

// A search that finds nothing changes no page and says nothing; an empty text keeps the state.
TEST_F(FindTest, VisitsTheAreasInOrderThenStartsAgainAndNoMatchChangesNothing) {
  store.SetString(Root::LocalMachine, kRunKey, "Network", "net.exe");
  store.SetString(Root::CurrentUser, kRunKey, "Dotnet", "x.exe");
  WhileRunning([this] {
    Fill();
    const std::vector<Match> found = Searches("net", 8);
    // autoexec twice, config, HKLM run, HKCU run, load, then no match, then autoexec again
    EXPECT_EQ(found, (std::vector<Match>{
                         {1, 12}, {1, 16}, {2, 7}, {4, 0}, {6, 0}, {8, 0}, {0, 0}, {1, 12}}));
    const std::string before = ActivePage();
    const size_t messages = toolkit.Messages().size();
    EXPECT_EQ(Searches("nowhere", 2), (std::vector<Match>{{0, 0}, {0, 0}}));
    EXPECT_EQ(ActivePage(), before);
    EXPECT_EQ(toolkit.Messages().size(), messages);
    Searches("dotnet", 1);
    EXPECT_EQ(Searches("", 2), (std::vector<Match>{{6, 0}, {6, 0}}));
  });
}

TEST_F(FindTest, TextPagesSkipAMatchRightAfterTheLastWinIniBoxesDoNot) {
  WhileRunning([this] {
    UserEdit(*Main().autoex, {"abab"});
    UserEdit(*Main().load, "abab");
    EXPECT_EQ(Searches("ab", 5), (std::vector<Match>{{1, 0}, {8, 0}, {8, 2}, {0, 0}, {1, 0}}));
    EXPECT_EQ(Main().autoex->SelStart(), 0);
    EXPECT_EQ(Main().load->SelStart(), 2);
  });
}

TEST_F(FindTest, AListLineWithTheTextTwiceIsFoundOncePerRound) {
  store.SetString(Root::CurrentUser, kRunKey, "abab", "x.exe");
  WhileRunning([this] {
    EXPECT_EQ(Searches("AB", 3), (std::vector<Match>{{6, 0}, {0, 0}, {6, 0}}));
    EXPECT_EQ(Main().ListBox3->ItemIndex(), 0);
    EXPECT_TRUE(Main().ListBox3->Focused());
    EXPECT_EQ(ActivePage(), "Registry");
  });
}

TEST_F(FindTest, F3BeforeAnySearchStartsAtTheFirstAreaWithoutShowingTheWindow) {
  WhileRunning([this] {
    UserEdit(*Main().config, {"files=40"});
    SelectPage(*Main().PageControl1, 0);
    Find().edtStr->SetText("FILES");
    PressKey(MainForm(), ui::vk::F3);
    EXPECT_EQ(Match(Find().area, Find().position), Match(2, 0));
    EXPECT_FALSE(Find().form->Visible());
    EXPECT_EQ(ActivePage(), "Config");
    EXPECT_TRUE(Main().config->Focused());
  });
}

TEST_F(FindTest, TextBeyondAsciiIsFoundByCharactersIgnoringCase) {
  WhileRunning([this] {
    UserEdit(*Main().autoex, {"échec", "", "Grüße aus Köln"});
    UserEdit(*Main().load, "Ärger.exe ÄRGER.exe");
    EXPECT_EQ(Searches("GRÜSSE", 1), (std::vector<Match>{{0, 0}}));
    EXPECT_EQ(Searches("grüße", 1), (std::vector<Match>{{1, 7}}));
    EXPECT_EQ(Main().autoex->SelStart(), 7);
    EXPECT_EQ(Searches("ärger", 3), (std::vector<Match>{{8, 0}, {8, 10}, {0, 0}}));
    EXPECT_EQ(Searches("KÖLN", 1), (std::vector<Match>{{1, 17}}));
  });
}

TEST_F(FindTest, AMatchInADisabledListShowsItsPageAndLineWithoutTheFocus) {
  store.SetString(Root::LocalMachine, kRunServicesKey, "Disabled service", "x.exe");
  WhileRunning([this] {
    Main().ListBox2->SetEnabled(false);
    SelectPage(*Main().PageControl1, 1);
    EXPECT_EQ(Searches("service", 1), (std::vector<Match>{{5, 0}}));
    EXPECT_EQ(ActivePage(), "Registry");
    EXPECT_EQ(Main().ListBox2->ItemIndex(), 0);
    EXPECT_FALSE(Main().ListBox2->Focused());
  });
}

TEST_F(FindTest, EscAndCancelHideTheWindowAndKeepTheSearch) {
  store.SetString(Root::CurrentUser, kRunKey, "One", "x.exe");
  store.SetString(Root::CurrentUser, kRunKey, "Done", "y.exe");
  WhileRunning([this] {
    Searches("one", 1);
    const Match kept(Find().area, Find().position);
    Find().bbtNext->SetFocus();
    PressKey(*Find().form, ui::vk::Escape);
    EXPECT_FALSE(Find().form->Visible());
    EXPECT_EQ(Match(Find().area, Find().position), kept);
    PressKey(MainForm(), 'F', {false, true, false});
    EXPECT_TRUE(Find().form->Visible());
    EXPECT_EQ(Find().edtStr->Text(), "one");
    Click(*Find().BitBtn3);
    EXPECT_FALSE(Find().form->Visible());
    Click(*Main().ToolButton10);
    EXPECT_TRUE(Find().form->Visible());
    Click(*Find().bbtNext);
    EXPECT_EQ(Find().position, kept.second + 1);
  });
}

}  // namespace
}  // namespace tarnix
