// The program's life: splash, command line after the start-up check, end via the save prompt.
#include "app/version_text.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kUninstallQuestion[] = "Are you sure to uninstall ?";
const char kSaveQuestion[] = "The data were changed! Save ?";

class ProgramTest : public AppTest {};

// A platform and a toolkit of their own for each case of a table.
struct FreshStart {
  FreshStart() { kit.SetAutoAcknowledge(true); }
  MemoryStore store;
  HeadlessToolkit kit;
};

TEST_F(ProgramTest, NormalStartShowsTheMainWindowAfterTheSplash) {
  bool splashShownDuringRun = true;
  Program& p = Start({}, [&] { splashShownDuringRun = program->frmSplash.form->Visible(); });
  EXPECT_TRUE(p.showMainWindow);
  EXPECT_TRUE(MainForm().Visible());
  EXPECT_FALSE(splashShownDuringRun);
  EXPECT_EQ(p.frmSplash.ProgressBar1->Position(), 100);
  EXPECT_GE(static_cast<HeadlessForm&>(*p.frmSplash.form).RepaintCount(), 1);
  EXPECT_FALSE(toolkit.Terminated());
}

TEST_F(ProgramTest, OnlyTheFirstArgumentLowerCasedAndExactCounts) {
  struct Case {
    std::vector<std::string> arguments;
    bool checkOnly;
  };
  const Case cases[] = {{{"/c"}, true},  {{"/C"}, true},      {{"/c", "x"}, true},
                        {{"-c"}, false}, {{"/cx"}, false},    {{}, false},
                        {{""}, false},   {{"x", "/c"}, false}};
  for (const Case& c : cases) {
    FreshStart fresh;
    HeadlessToolkit& kit = fresh.kit;
    Program p(fresh.store, kit);
    AnswerWelcomeWindow(kit);
    p.Run(c.arguments);
    const std::string label = c.arguments.empty() ? "(none)" : c.arguments.front();
    EXPECT_EQ(kit.Terminated(), c.checkOnly) << label;
    EXPECT_EQ(p.mform.form->Visible(), !c.checkOnly) << label;
  }
}

TEST_F(ProgramTest, UninstallAsksAndEndsWithoutTheMainWindowOnlyWhenConfirmed) {
  for (const int answer : {ui::mb::IdCancel, ui::mb::IdOk}) {
    FreshStart fresh;
    Program p(fresh.store, fresh.kit);
    AnswerWelcomeWindow(fresh.kit);
    fresh.kit.AnswerNextMessageBox(answer);
    p.Run({answer == ui::mb::IdOk ? "/U" : "\\u"});
    int asked = 0;
    for (const MessageRecord& m : fresh.kit.Messages())
      asked += m.text == kUninstallQuestion && m.caption == "Attention!" && m.style == 0x31;
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(fresh.kit.Terminated(), answer == ui::mb::IdOk);
    EXPECT_EQ(p.mform.form->Visible(), answer != ui::mb::IdOk);
  }
}

// A failed check must not leave the program invisibly holding the single-instance mark.
TEST_F(ProgramTest, ErrorInTheStartupCheckIsShownAndTheProgramGoesOn) {
  class FailingSnapshotStore : public MemoryStore {
   public:
    OpenedKey OpenKey(Root root, const std::string& path, bool create) override {
      if (path.find("Movenda") != std::string::npos)
        throw StoreError("Snapshot unreachable");
      return MemoryStore::OpenKey(root, path, create);
    }
    bool KeyExists(Root root, const std::string& path) override {
      if (path.find("Movenda") != std::string::npos)
        throw StoreError("Snapshot unreachable");
      return MemoryStore::KeyExists(root, path);
    }
  };
  for (const bool checkOnly : {true, false}) {
    FailingSnapshotStore failing;
    HeadlessToolkit kit;
    kit.SetAutoAcknowledge(true);
    Program p(failing, kit);
    p.Run(checkOnly ? std::vector<std::string>{"/c"} : std::vector<std::string>{});
    ASSERT_FALSE(kit.Messages().empty()) << checkOnly;
    EXPECT_EQ(kit.Messages()[0].text, "Snapshot unreachable");
    EXPECT_EQ(kit.Messages()[0].style, 0x10u);
    EXPECT_EQ(kit.Terminated(), checkOnly);
    EXPECT_EQ(p.mform.form->Visible(), !checkOnly);
  }
}

TEST_F(ProgramTest, ExitAnsweredYesSavesTheEditedTexts) {
  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  Start({}, [&] {
    SelectPage(*Main().PageControl1, 1);
    Focus(*Main().run);
    TypeText(MainForm(), "typed.exe");
    PressKey(MainForm(), ui::vk::Key('X'), {false, false, true});
  });
  EXPECT_TRUE(WasShown(kSaveQuestion));
  EXPECT_TRUE(toolkit.Terminated());
  EXPECT_EQ(store.ReadProfileString("win.ini", "windows", "run", ""), "typed.exe");
}

// The save question has no way back: a save that raises an error still ends the program.
TEST_F(ProgramTest, SaveFailingWithAnErrorAtExitStillEnds) {
  class ThrowingProfileStore : public MemoryStore {
   public:
    StoreResult WriteProfileString(const std::string&, const std::string&, const std::string&,
                                   const std::string&) override {
      throw StoreError("win.ini is locked");
    }
  };
  ThrowingProfileStore throwing;
  Program p(throwing, toolkit);
  AnswerWelcomeWindow(toolkit);
  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  toolkit.OnRun([&] {
    SelectPage(*p.mform.PageControl1, 1);
    Focus(*p.mform.load);
    TypeText(*p.mform.form, "typed.exe");
    PressKey(*p.mform.form, ui::vk::Escape);
  });
  p.Run({});
  EXPECT_TRUE(WasShown(kSaveQuestion));
  EXPECT_TRUE(Showed("win.ini is locked", "Tarnix2", kErrorBox));
  EXPECT_TRUE(toolkit.Terminated());
}

// Exit and the close box ask once when a text was edited; No keeps the files.
TEST_F(ProgramTest, LeavingAsksOnceByEveryWayWhenATextWasEdited) {
  const std::function<void(Tmform&)> ways[] = {
      [](Tmform& m) { Click(FindMenuItem(*m.form, "N6")); },
      [](Tmform& m) { CloseBox(*m.form); },
  };
  for (const bool edited : {true, false}) {
    for (const auto& leave : ways) {
      FreshStart fresh;
      HeadlessToolkit& kit = fresh.kit;
      {
        Program p(fresh.store, kit);
        AnswerWelcomeWindow(kit);
        if (edited)
          kit.AnswerNextMessageBox(ui::mb::IdNo);
        kit.OnRun([&] {
          SelectPage(*p.mform.PageControl1, 2);
          Focus(*p.mform.config);
          if (edited)
            TypeText(*p.mform.form, "typed");
          kit.TakeMessages();
          leave(p.mform);
        });
        p.Run({});
        EXPECT_TRUE(kit.Terminated());
      }
      const std::vector<MessageRecord> asked = kit.Messages();
      EXPECT_EQ(asked.size(), edited ? 1u : 0u);
      EXPECT_TRUE(asked.empty() || (asked[0].text == kSaveQuestion &&
                                    asked[0].caption == "Attention!" && asked[0].style == 0x44));
      EXPECT_FALSE(fresh.store.FileBytes("C:\\WINDOWS\\SYSTEM32\\CONFIG.NT").has_value());
    }
  }
}

TEST(VersionLineTest, FollowsThePlatformFamily) {
  EXPECT_EQ(VersionLine({1, 4, 10, (4u << 24) | (10u << 16) | 2222u, ""}),
            "Windows 98 4.10  Build:2222");
  EXPECT_EQ(VersionLine({1, 4, 0, (4u << 24) | 950u, " A "}), "Windows 95 4.00  A  Build:950");
  EXPECT_EQ(VersionLine({2, 4, 0, 1381, "Service Pack 6"}),
            "Win NT  4.0 Service Pack 6 Build:1381");
  EXPECT_EQ(VersionLine({2, 10, 0, 19045, ""}), "Win NT  10.0  Build:19045");
  EXPECT_EQ(VersionLine({0, 1, 30, 0x00010000u | 11u, ""}), "Win32s  Build:11");
}

}  // namespace
}  // namespace tarnix
