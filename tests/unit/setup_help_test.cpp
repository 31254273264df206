// The built-in help: topics, links, the help window, and the about box's addresses.
#include <algorithm>
#include <set>

#include "setup/about.h"
#include "setup/help_form.h"
#include "ui/help_contexts.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

// Topics are titled, unmarked and unique; every link and context leads to one; all are reached.
TEST(HelpTopics, EveryLinkAndContextLeadsToATopicAndEveryTopicIsReached) {
  std::set<std::string> ids;
  for (const HelpTopic& topic : HelpTopics()) {
    EXPECT_TRUE(ids.insert(topic.id).second && !topic.title.empty() && !topic.text.empty() &&
                topic.text.find("&") == std::string::npos)
        << topic.id;
    for (const std::string& link : topic.seeAlso)
      EXPECT_TRUE(FindHelpTopic(link) != nullptr && link != topic.id) << topic.id << " " << link;
  }
  std::set<std::string> reached{kContentsTopic};
  for (std::vector<std::string> open{kContentsTopic}; !open.empty();) {
    const HelpTopic* topic = FindHelpTopic(open.back());
    open.pop_back();
    for (const std::string& link : topic ? topic->seeAlso : std::vector<std::string>{}) {
      if (reached.insert(link).second)
        open.push_back(link);
    }
  }
  EXPECT_EQ(reached.size(), HelpTopics().size());
  EXPECT_EQ(HelpTopics().front().id, kContentsTopic);
  std::set<int> contexts;
  std::set<std::string> classes;
  for (const HelpBinding& binding : HelpBindings()) {
    EXPECT_TRUE(contexts.insert(binding.context).second) << binding.context;
    EXPECT_TRUE(classes.insert(binding.windowClass).second) << binding.windowClass;
    EXPECT_EQ(TopicForContext(binding.context).id, binding.topic);
  }
  EXPECT_EQ(TopicForContext(0).id, kContentsTopic);
  EXPECT_EQ(TopicForContext(999).id, kContentsTopic);
}

class HelpWindowTest : public AppTest {
 protected:
  TfrmHelp& Help() { return program->frmHelp; }
  ui::Form& HelpForm() { return *program->frmHelp.form; }
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
    // From a modal window the help must be usable beside it.
    Help().form->Hide();
    HelpForm().SetEnabled(false);
    toolkit.OnModal(form->Name(), [&](ui::Form& shown) {
      PressKey(shown, ui::vk::F1);
      EXPECT_TRUE(HelpForm().Visible() && HelpForm().Enabled()) << form->ClassName();
      EXPECT_EQ(Help().Current(), bound->topic) << form->ClassName();
    });
    form->ShowModal();
    ++tried;
  }
  EXPECT_GE(tried, 3) << "the main window, the change report and the help window";
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
  EXPECT_TRUE(Help().txtTopic->ReadOnly());
  ASSERT_EQ(Help().lsbTopics->Count(), static_cast<int>(HelpTopics().size()));
  EXPECT_EQ(Help().lsbSeeAlso->Count(), static_cast<int>(FindHelpTopic("report")->seeAlso.size()));

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

// The about box opens the web page and a mail maximised, or says why not.
TEST_F(HelpWindowTest, AboutBoxButtonsOpenTheirAddressesOrSayWhyNot) {
  bool shown = false;
  WhileRunning([this, &shown] {
    toolkit.OnModal("AboutBox", [this, &shown](ui::Form&) {
      shown = true;
      Click(*program->AboutBox.ToolButton1);
      Click(*program->AboutBox.ToolButton2);
      toolkit.SetShellExecuteResult(31);  // no program is associated with the address
      Click(*program->AboutBox.ToolButton2);
    });
    Click(*Main().N9);
  });
  EXPECT_TRUE(shown);
  const auto& calls = toolkit.ShellCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].file, "http://www.movenda.example/");
  EXPECT_EQ(calls[1].file, "mailto:tarnix@movenda.example");
  for (const auto& call : calls) {
    EXPECT_TRUE(call.verb == "open" && call.owner == "AboutBox" && call.parameters.empty() &&
                call.folder.empty() && call.showCommand == ui::sw::Maximized);
  }
  EXPECT_TRUE(Showed("Cannot open mailto:tarnix@movenda.example", "Error!", kErrorBox));
}

}  // namespace
}  // namespace tarnix
