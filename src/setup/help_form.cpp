#include "setup/help_form.h"

#include "ui/help_contexts.h"

namespace tarnix {

namespace {

ui::FormSpec HelpFormSpec() {
  ui::FormSpec spec{"frmHelp", "TfrmHelp", "Tarnix II Help", 786, 430};
  spec.border = ui::BorderStyle::Dialog;
  spec.helpContext = ui::help::HelpWindow;
  return spec;
}

// Paragraphs are broken into lines here rather than by the page: the page's own wrapping
// measured lines wider than it drew them under Wine, so line ends fell out of view.
constexpr std::string::size_type kLineWidth = 60;

void AddWrapped(const std::string& paragraph, std::vector<std::string>& lines) {
  std::string line;
  std::string::size_type start = 0;
  while (start < paragraph.size()) {
    std::string::size_type end = paragraph.find(' ', start);
    if (end == std::string::npos)
      end = paragraph.size();
    const std::string word = paragraph.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > kLineWidth) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  lines.push_back(line);
}

std::vector<std::string> TopicLines(const HelpTopic& topic) {
  std::vector<std::string> lines{topic.title, ""};
  std::string::size_type start = 0;
  while (start <= topic.text.size()) {
    std::string::size_type end = topic.text.find('\n', start);
    if (end == std::string::npos)
      end = topic.text.size();
    AddWrapped(topic.text.substr(start, end - start), lines);
    lines.push_back("");
    start = end + 1;
  }
  return lines;
}

}  // namespace

TfrmHelp::TfrmHelp(ui::Toolkit& toolkit) : form(toolkit.CreateForm(HelpFormSpec())) {
  lblTopics = form->AddLabel({"lblTopics", "Contents", {8, 8, 260, 17}});
  lsbTopics = form->AddListBox({"lsbTopics", {8, 28, 260, 350}});
  txtTopic = form->AddTextPage({"txtTopic", {278, 8, 500, 270}});
  lblSeeAlso = form->AddLabel({"lblSeeAlso", "See also", {278, 286, 200, 17}});
  lsbSeeAlso = form->AddListBox({"lsbSeeAlso", {278, 306, 500, 72}});
  ui::ButtonSpec back{"btnBack", "&Back", {8, 388, 100, 32}};
  btnBack = form->AddButton(back);
  ui::ButtonSpec close{"btnClose", "", {678, 388, 100, 32}, ui::ButtonKind::Close};
  close.isCancel = true;
  btnClose = form->AddButton(close);
  txtTopic->SetReadOnly(true);
  for (const HelpTopic& topic : HelpTopics()) lsbTopics->Add(topic.title);
  lsbTopics->onChange = [this] { lsbTopicsChange(); };
  lsbSeeAlso->onDblClick = [this] { lsbSeeAlsoDblClick(); };
  lsbSeeAlso->onKeyPress = [this](int& key) { lsbSeeAlsoKeyPress(key); };
  btnBack->onClick = [this] { btnBackClick(); };
  Display(*FindHelpTopic(kContentsTopic));
}

void TfrmHelp::ShowContents() {
  ShowTopic(*FindHelpTopic(kContentsTopic));
}

void TfrmHelp::ShowContext(int helpContext) {
  ShowTopic(TopicForContext(helpContext));
}

// Opened anew, the window starts a new trail for Back. A modal window shown while the help
// was open disabled it; asked for help, it must answer again.
void TfrmHelp::ShowTopic(const HelpTopic& topic) {
  if (form->Visible()) {
    Open(topic);
  } else {
    history_.clear();
    Display(topic);
  }
  form->SetEnabled(true);
  form->Show();
}

void TfrmHelp::lsbTopicsChange() {
  const int index = lsbTopics->ItemIndex();
  if (index >= 0 && index < static_cast<int>(HelpTopics().size()))
    Open(HelpTopics()[static_cast<size_t>(index)]);
}

void TfrmHelp::lsbSeeAlsoDblClick() {
  const int index = lsbSeeAlso->ItemIndex();
  if (index < 0 || index >= static_cast<int>(links_.size()))
    return;
  if (const HelpTopic* topic = FindHelpTopic(links_[static_cast<size_t>(index)]))
    Open(*topic);
}

void TfrmHelp::lsbSeeAlsoKeyPress(int& key) {
  if (key == 13) {
    key = 0;
    lsbSeeAlsoDblClick();
  }
}

void TfrmHelp::btnBackClick() {
  if (history_.empty())
    return;
  const std::string previous = history_.back();
  history_.pop_back();
  Display(*FindHelpTopic(previous));
}

void TfrmHelp::Open(const HelpTopic& topic) {
  if (topic.id == current_)
    return;
  history_.push_back(current_);
  Display(topic);
}

void TfrmHelp::Display(const HelpTopic& topic) {
  current_ = topic.id;
  txtTopic->SetLines(TopicLines(topic));
  txtTopic->SetSelStart(0);
  links_.clear();
  lsbSeeAlso->Clear();
  for (const std::string& id : topic.seeAlso) {
    if (const HelpTopic* link = FindHelpTopic(id)) {
      links_.push_back(id);
      lsbSeeAlso->Add(link->title);
    }
  }
  const auto& topics = HelpTopics();
  for (size_t i = 0; i < topics.size(); ++i) {
    if (topics[i].id == topic.id)
      lsbTopics->SetItemIndex(static_cast<int>(i));
  }
  btnBack->SetEnabled(!history_.empty());
}

}  // namespace tarnix
