// The help window: the list of topics, the text of the chosen one and its links. It is shown
// beside the other windows (never modally), so the user can read while working.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "setup/help_topics.h"
#include "ui/toolkit.h"

namespace tarnix {

class TfrmHelp {
 public:
  explicit TfrmHelp(ui::Toolkit& toolkit);

  // Brings the window forward at the contents, at a window's topic, or at any topic.
  void ShowContents();
  void ShowContext(int helpContext);
  void ShowTopic(const HelpTopic& topic);
  // The id of the topic on show.
  const std::string& Current() const { return current_; }

  std::unique_ptr<ui::Form> form;
  ui::Label* lblTopics = nullptr;
  ui::ListBox* lsbTopics = nullptr;
  ui::TextPage* txtTopic = nullptr;
  ui::Label* lblSeeAlso = nullptr;
  ui::ListBox* lsbSeeAlso = nullptr;
  ui::Button* btnBack = nullptr;
  ui::Button* btnClose = nullptr;

  void lsbTopicsChange();
  void lsbSeeAlsoDblClick();
  void lsbSeeAlsoKeyPress(int& key);
  void btnBackClick();

 private:
  void Open(const HelpTopic& topic);
  void Display(const HelpTopic& topic);
  std::string current_;
  std::vector<std::string> links_;    // ids of lsbSeeAlso's lines
  std::vector<std::string> history_;  // topics read before, for Back
};

}  // namespace tarnix
