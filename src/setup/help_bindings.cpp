#include "setup/help_topics.h"
#include "ui/help_contexts.h"

namespace tarnix {

const std::vector<HelpBinding>& HelpBindings() {
  static const std::vector<HelpBinding> bindings = {
      {ui::help::MainWindow, "Tmform", kContentsTopic},
      {ui::help::ChangeReport, "TForm1", "report"},
      {ui::help::LineEditor, "Teditline", "editline"},
      {ui::help::AddEntry, "Taddform", "add"},
      {ui::help::EditEntry, "TEditStr", "edit"},
      {ui::help::About, "TAboutBox", "about"},
      {ui::help::UndoList, "Tundolist", "undo"},
      {ui::help::ShortcutProps, "TfrmLink", "shortcut"},
      {ui::help::ServiceStartup, "TfrmServ", "servicestart"},
      {ui::help::FirstLaunch, "TfrmFirst", "firstlaunch"},
      {ui::help::Find, "TfrmFind", "find"},
      {ui::help::HelpWindow, "TfrmHelp", "usinghelp"},
  };
  return bindings;
}

const HelpTopic* FindHelpTopic(const std::string& id) {
  for (const HelpTopic& topic : HelpTopics()) {
    if (topic.id == id)
      return &topic;
  }
  return nullptr;
}

const HelpTopic& TopicForContext(int context) {
  for (const HelpBinding& binding : HelpBindings()) {
    if (binding.context == context) {
      if (const HelpTopic* topic = FindHelpTopic(binding.topic))
        return *topic;
    }
  }
  return *FindHelpTopic(kContentsTopic);
}

}  // namespace tarnix
