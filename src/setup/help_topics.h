// The help that is built into the program: one topic per window and task, the links between
// them, and which topic each window's help context opens.
#pragma once

#include <string>
#include <vector>

namespace tarnix {

struct HelpTopic {
  std::string id;
  std::string title;
  std::string text;                  // paragraphs separated by "\n"
  std::vector<std::string> seeAlso;  // ids of the linked topics
};

// The topic the Help command opens; its links reach every other topic.
extern const char* const kContentsTopic;

// Every topic, the contents first, in the order the help window lists them.
const std::vector<HelpTopic>& HelpTopics();
// The topic with this id, or null.
const HelpTopic* FindHelpTopic(const std::string& id);

struct HelpBinding {
  int context;
  std::string windowClass;  // the form class that carries the context
  std::string topic;
};
// Which topic F1 opens in each window.
const std::vector<HelpBinding>& HelpBindings();
// The topic bound to a help context; the contents for a context no window carries.
const HelpTopic& TopicForContext(int context);

}  // namespace tarnix
