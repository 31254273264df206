// The built-in help: every window reaches a topic, every link leads somewhere, and the help
// window shows and follows them.
#include <algorithm>
#include <set>

#include "setup/help_form.h"
#include "ui/help_contexts.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

TEST(HelpTopics, IdsAreUniqueAndEveryTopicHasATitleAndText) {
  std::set<std::string> ids;
  for (const HelpTopic& topic : HelpTopics()) {
    EXPECT_TRUE(ids.insert(topic.id).second) << topic.id;
    EXPECT_FALSE(topic.title.empty()) << topic.id;
    EXPECT_FALSE(topic.text.empty()) << topic.id;
    EXPECT_EQ(topic.text.find("&"), std::string::npos) << topic.id << " shows an access-key mark";
  }
  EXPECT_EQ(HelpTopics().front().id, kContentsTopic);
}

TEST(HelpTopics, EveryLinkResolvesAndEveryTopicIsReachableFromTheContents) {
  for (const HelpTopic& topic : HelpTopics()) {
    for (const std::string& link : topic.seeAlso) {
      EXPECT_NE(FindHelpTopic(link), nullptr) << topic.id << " links to " << link;
      EXPECT_NE(link, topic.id) << topic.id << " links to itself";
    }
  }
  std::set<std::string> reached{kContentsTopic};
  std::vector<std::string> open{kContentsTopic};
  while (!open.empty()) {
    const HelpTopic* topic = FindHelpTopic(open.back());
    open.pop_back();
    for (const std::string& link : topic ? topic->seeAlso : std::vector<std::string>{}) {
      if (reached.insert(link).second)
        open.push_back(link);
    }
  }
  EXPECT_EQ(reached.size(), HelpTopics().size());
}

TEST(HelpTopics, EveryContextReachesItsOwnTopicAndAnUnknownOneTheContents) {
  std::set<int> contexts;
  std::set<std::string> classes;
  for (const HelpBinding& binding : HelpBindings()) {
    EXPECT_TRUE(contexts.insert(binding.context).second) << binding.context;
    EXPECT_TRUE(classes.insert(binding.windowClass).second) << binding.windowClass;
    ASSERT_NE(FindHelpTopic(binding.topic), nullptr) << binding.windowClass;
    EXPECT_EQ(TopicForContext(binding.context).id, binding.topic);
  }
  EXPECT_EQ(TopicForContext(ui::help::ChangeReport).id, "report");
  EXPECT_EQ(TopicForContext(ui::help::About).id, "about");
  EXPECT_EQ(TopicForContext(0).id, kContentsTopic);
  EXPECT_EQ(TopicForContext(999).id, kContentsTopic);
}

class HelpWindowTest : public AppTest {
 protected:
  TfrmHelp& Help() { return program->frmHelp; }
  ui::Form& HelpForm() { return *program->frmHelp.form; }
  static std::string Title(const char* id) { return FindHelpTopic(id)->title; }
};

// Each window that carries a help context is bound to a topic, and F1 there opens it.
TEST_F(HelpWindowTest, F1InEveryWindowOpensThatWindowsTopic) {
  Create();
  int tried = 0;
  for (HeadlessForm* form : toolkit.Forms()) {
    const int context = form->Spec().helpContext;
    if (context == 0)
      continue;
    const HelpBinding* bound = nullptr;
    for (const HelpBinding& binding : HelpBindings()) {
      if (binding.context == context)
        bound = &binding;
    }
    ASSERT_NE(bound, nullptr) << form->ClassName() << " has the unbound context " << context;
    EXPECT_EQ(bound->windowClass, form->ClassName());
    Help().form->Hide();
    toolkit.OnModal(form->Name(), [&](ui::Form& shown) {
      PressKey(shown, ui::vk::F1);
      EXPECT_TRUE(HelpForm().Visible()) << form->ClassName();
      EXPECT_EQ(Help().Current(), bound->topic) << form->ClassName();
    });
    form->ShowModal();
    ++tried;
  }
  EXPECT_GE(tried, 3) << "the main window, the change report and the help window";
  EXPECT_EQ(Main().form->ClassName(), "Tmform");
}

// F1 in a modal report must give a help window the user can use beside it.
TEST_F(HelpWindowTest, HelpAskedForFromAModalWindowIsEnabled) {
  Create();
  HelpForm().SetEnabled(false);
  toolkit.OnModal("Form1", [&](ui::Form& report) {
    PressKey(report, ui::vk::F1);
    EXPECT_TRUE(HelpForm().Visible());
    EXPECT_TRUE(HelpForm().Enabled());
    EXPECT_EQ(Help().Current(), "report");
  });
  program->Form1.form->ShowModal();
}

TEST_F(HelpWindowTest, TheWindowShowsTheTopicsTheTextAndTheLinks) {
  Create();
  Help().ShowContents();
  ASSERT_EQ(Help().lsbTopics->Count(), static_cast<int>(HelpTopics().size()));
  EXPECT_EQ(Help().lsbTopics->Item(0), "Tarnix II");
  EXPECT_EQ(Help().lsbTopics->ItemIndex(), 0);
  EXPECT_TRUE(Help().txtTopic->ReadOnly());
  EXPECT_EQ(Help().txtTopic->Lines().front(), "Tarnix II");

  Help().ShowContext(ui::help::LineEditor);
  const std::vector<std::string> lines = Help().txtTopic->Lines();
  EXPECT_EQ(lines.at(0), "Edit Line");
  EXPECT_EQ(lines.at(1), "");
  EXPECT_EQ(lines.at(2).rfind("Change the line", 0), 0u);
  EXPECT_EQ(Help().lsbSeeAlso->Items(), std::vector<std::string>{Title("report")});
  EXPECT_EQ(Help().lsbTopics->Item(Help().lsbTopics->ItemIndex()), "Edit Line");
}

// The page shows short lines that hold every word of the topic, in order.
TEST_F(HelpWindowTest, EveryTopicIsShownInShortLinesWithNothingLost) {
  auto squeeze = [](std::string text) {
    text.erase(
        std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; }),
        text.end());
    return text;
  };
  Create();
  for (const HelpTopic& topic : HelpTopics()) {
    Help().ShowTopic(topic);
    std::string shown;
    for (const std::string& line : Help().txtTopic->Lines()) {
      EXPECT_TRUE(line.size() <= 60 || line.find(' ') == std::string::npos) << line;
      shown += line;
    }
    EXPECT_EQ(squeeze(shown), squeeze(topic.title + topic.text)) << topic.id;
  }
}

TEST_F(HelpWindowTest, TheUserFollowsLinksChoosesTopicsAndGoesBack) {
  Create();
  Help().ShowContext(ui::help::ChangeReport);
  EXPECT_FALSE(Help().btnBack->Enabled());

  const auto& links = FindHelpTopic("report")->seeAlso;
  const int toLog = static_cast<int>(std::find(links.begin(), links.end(), "log") - links.begin());
  ASSERT_LT(toLog, static_cast<int>(links.size()));
  Select(*Help().lsbSeeAlso, toLog);
  EXPECT_EQ(Help().Current(), "report") << "a single click only selects the link";
  DoubleClick(*Help().lsbSeeAlso);
  EXPECT_EQ(Help().Current(), "log");
  EXPECT_EQ(Help().txtTopic->Lines().front(), "The history log");

  Select(*Help().lsbSeeAlso, 0);
  PressKey(HelpForm(), ui::vk::Return);
  EXPECT_EQ(Help().Current(), "report");

  Select(*Help().lsbTopics, 3);
  EXPECT_EQ(Help().Current(), HelpTopics()[3].id);

  ASSERT_TRUE(Help().btnBack->Enabled());
  Click(*Help().btnBack);
  EXPECT_EQ(Help().Current(), "report");
  Click(*Help().btnBack);
  EXPECT_EQ(Help().Current(), "log");
  Click(*Help().btnBack);
  EXPECT_EQ(Help().Current(), "report");
  EXPECT_FALSE(Help().btnBack->Enabled());

  PressKey(HelpForm(), ui::vk::Escape);
  EXPECT_FALSE(HelpForm().Visible());
}

TEST_F(HelpWindowTest, F1InTheHelpWindowExplainsTheHelp) {
  Create();
  Help().ShowContents();
  PressKey(HelpForm(), ui::vk::F1);
  EXPECT_EQ(Help().Current(), "usinghelp");
}

}  // namespace
}  // namespace tarnix
