// The Tasks page: the scheduled tasks drawn from the places, and its commands on the selected line.
#include "fakes/scheduler_memory.h"
#include "setup/find.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

ScheduledTask Task(const std::string& path, const std::string& program, bool enabled = true) {
  return {path, enabled, false, true, {{program, "", ""}}, "<Task/>"};
}

class TasksPageTest : public AppTest {
 protected:
  void SetUp() override {
    scheduler = &tasks;
    tasks.Add(Task("\\Vendor\\Updater", "C:\\Program Files\\V\\up.exe"));
    tasks.Add(Task("\\Agent", "agent.exe", false));
    tasks.Add(Task("\\Zeta", "z.exe"));
  }
  // The Tasks page brought to the front, and its list.
  ui::ListBox& Page() {
    if (Main().PageControl1->ActivePage() != Main().TabSheet9)
      SelectPage(*Main().PageControl1, 9);
    return *Main().lsbTasks;
  }
  std::vector<bool> Greyed() {
    std::vector<bool> greyed;
    for (int i = 0; i < Page().Count(); ++i) greyed.push_back(Page().ItemGreyed(i));
    return greyed;
  }
  bool Enabled(const std::string& path) { return tasks.ReadTask(path).task.enabled; }

  MemoryScheduler tasks;
};

TEST_F(TasksPageTest, ShowsEachTaskGreyedWhenDisabledFindsItAndSaysWhyAListingFailed) {
  WhileRunning([&] {
    EXPECT_EQ(Page().Items(),
              (std::vector<std::string>{"\\\tAgent\tagent.exe",
                                        "\\Vendor\tUpdater\t\"C:\\Program Files\\V\\up.exe\"",
                                        "\\\tZeta\tz.exe"}));
    EXPECT_EQ(Greyed(), (std::vector<bool>{true, false, false}));
    program->frmFind.ws = &program->ws;
    SearchPlaces(program->ws, program->frmFind, "Z.EXE", false);
    EXPECT_EQ(Main().PageControl1->ActivePage(), Main().TabSheet9);
    EXPECT_EQ(Page().ItemIndex(), 2);
    SearchPlaces(program->ws, program->frmFind, "agent.exe", false);
    EXPECT_EQ(Page().ItemIndex(), 0) << "a new search starts from the first page again";
    tasks.RefuseFolder("\\vendor");
    PressKey(MainForm(), ui::vk::F5);
    EXPECT_EQ(Page().Items(),
              (std::vector<std::string>{"Cannot list the scheduled tasks in \\Vendor",
                                        "\\\tAgent\tagent.exe", "\\\tZeta\tz.exe"}));
    EXPECT_EQ(Greyed(), (std::vector<bool>{false, true, false}));
  });
}

TEST_F(TasksPageTest, WithoutASchedulerTheOneLineSaysSoAndDeleteAsksNothing) {
  scheduler = nullptr;
  WhileRunning([&] {
    ASSERT_EQ(Page().Count(), 1);
    EXPECT_NE(Page().Item(0).find("task scheduler"), std::string::npos);
    const size_t shown = toolkit.Messages().size();
    Select(Page(), 0);
    PressKey(MainForm(), ui::vk::Delete);
    EXPECT_EQ(toolkit.Messages().size(), shown);
  });
}

TEST_F(TasksPageTest, DisableAndEnableKeepTheSameTaskSelectedByItsPath) {
  WhileRunning([&] {
    Select(Page(), 1);
    tasks.Add(Task("\\Aaa", "new.exe"));  // listed before it on the next drawing
    Click(FindMenuItem(MainForm(), "N22"));
    EXPECT_FALSE(Enabled("\\Vendor\\Updater"));
    EXPECT_EQ(Page().ItemIndex(), 2);
    EXPECT_EQ(Greyed(), (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(Main().StatusBar1->PanelText(0), "\\Vendor\\Updater: At logon, disabled");
    Click(*Main().ToolButton31);
    EXPECT_TRUE(Enabled("\\Vendor\\Updater"));
    EXPECT_EQ(Page().ItemIndex(), 2);
    EXPECT_FALSE(Page().ItemGreyed(2));
    SelectPage(*Main().PageControl1, 8);
    EXPECT_EQ(Main().StatusBar1->PanelText(0), "") << "the task's state stays on its page";
  });
}

TEST_F(TasksPageTest, DeleteAsksThenDeletesTheSelectedTaskEvenWhenTheListingMovedOn) {
  WhileRunning([&] {
    Select(Page(), 2);
    tasks.Add(Task("\\Aaa", "new.exe"));
    toolkit.AnswerNextMessageBox(ui::mb::IdCancel);
    PressKey(MainForm(), ui::vk::Delete);
    EXPECT_TRUE(tasks.ReadTask("\\Zeta"));
    EXPECT_EQ(Page().ItemIndex(), 3);
    tasks.Add(Task("\\Abb", "new.exe"));  // the page still shows \Zeta on its fourth line
    toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    PressKey(MainForm(), ui::vk::Delete);
    EXPECT_EQ(Page().Count(), 4);
    EXPECT_EQ(Page().ItemIndex(), -1);
  });
  EXPECT_TRUE(Showed("Are you sure delete the scheduled task \\Zeta ?", "Attention!",
                     ui::mb::OkCancel | ui::mb::IconWarning));
  EXPECT_FALSE(tasks.ReadTask("\\Zeta"));
  EXPECT_TRUE(tasks.ReadTask("\\Vendor\\Updater") && tasks.ReadTask("\\Abb"));
}

}  // namespace
}  // namespace tarnix
