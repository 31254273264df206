// The search across the areas, in their fixed order, continuing after the last match.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/text_case.h"
#include "base/text_codec.h"
#include "setup/find.h"

namespace tarnix {

namespace {

constexpr int kAreaCount = 11;

// The main window's page with this caption, brought to the front.
void ShowPage(Workspace& ws, const char* caption) {
  auto* pages = ws.mainForm
                    ? dynamic_cast<ui::PageControl*>(ws.mainForm->FindControl("PageControl1"))
                    : nullptr;
  if (!pages)
    return;
  for (int i = 0; i < pages->PageCount(); ++i) {
    if (pages->Page(i)->Caption() == caption) {
      pages->SetActivePage(pages->Page(i));
      return;
    }
  }
}

// A disabled control (the RunServices list on NT) cannot take the focus; its page and its
// selection still show the match.
void Focus(ui::Control& control) {
  if (control.Enabled())
    control.SetFocus();
}

// The characters of a text, each folded for comparison without case. The text is folded in one
// call (a page holds thousands of characters); only where that changes the number of characters
// is each one folded on its own, so that positions stay those of the text.
std::vector<std::string> FoldedChars(const std::string& utf8) {
  std::vector<std::string> chars;
  const auto decoded = DecodeUtf8(utf8);
  if (!decoded)
    return chars;
  const auto folded = DecodeUtf8(FoldCase(utf8));
  if (folded && folded->size() == decoded->size()) {
    for (char32_t c : *folded) chars.push_back(EncodeUtf8(std::u32string(1, c)));
    return chars;
  }
  for (char32_t c : *decoded) chars.push_back(FoldCase(EncodeUtf8(std::u32string(1, c))));
  return chars;
}

// The first place at or after `from` where `what` stands in `text`, ignoring case, counted in
// characters.
std::optional<int> FindFolded(const std::string& text, const std::string& what, int from) {
  const std::vector<std::string> chars = FoldedChars(text);
  const std::vector<std::string> needle = FoldedChars(what);
  const int size = static_cast<int>(needle.size());
  for (int at = from; at + size <= static_cast<int>(chars.size()); ++at) {
    if (std::equal(needle.begin(), needle.end(), chars.begin() + at))
      return at;
  }
  return std::nullopt;
}

// The lines with a break counted as one character, as a page counts its positions. Searched
// here rather than by the control, whose case folding stops at ASCII on some systems.
std::optional<int> SearchText(const std::vector<std::string>& lines, const std::string& what,
                              int from) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\n") + lines[i];
  return FindFolded(text, what, from);
}

std::optional<int> SearchLines(const std::vector<std::string>& lines, const std::string& what,
                               int from) {
  const std::string needle = FoldCase(what);
  for (int line = from; line < static_cast<int>(lines.size()); ++line) {
    if (FoldCase(lines[static_cast<size_t>(line)]).find(needle) != std::string::npos)
      return line;
  }
  return std::nullopt;
}

// One area: what the places hold there, and the control that shows it, where a match is
// selected. A text page or an edit box counts characters, a list lines.
struct Area {
  const char* page;
  int step;  // added to the match's end for the next search in the same area
  std::vector<std::string> held;
  ui::TextPage* text = nullptr;
  ui::ListBox* list = nullptr;
  ui::EditBox* edit = nullptr;
};

std::vector<Area> Areas(const Workspace& ws) {
  const PlaceViews& v = ws.views;
  const Places& p = ws.places;
  const auto text = [&p](SectionId id) { return p.Text(id).Held(); };
  return {{"Autoexec", 1, text(SectionId::Autoexec), v.autoex},
          {"Config", 1, text(SectionId::Config), v.config},
          {"Winstart.bat", 1, text(SectionId::Winstart), v.winstart},
          {"Registry", 0, p.runLists[0].Names(), nullptr, v.runLists[0]},
          {"Registry", 0, p.runLists[1].Names(), nullptr, v.runLists[1]},
          {"Registry", 0, p.runLists[2].Names(), nullptr, v.runLists[2]},
          {"Startup Group", 0, p.Folder(SectionId::Startup).entries, nullptr, v.lsbStart},
          {"Win.ini", 0, {p.winIni.load}, nullptr, nullptr, v.load},
          {"Win.ini", 0, {p.winIni.run}, nullptr, nullptr, v.run},
          {"Logon", 0, LogonLines(p), nullptr, v.lsbLogon},
          {"Tasks", 0, TaskLines(p), nullptr, v.lsbTasks}};
}

int CharLength(const std::string& utf8) {
  const auto decoded = DecodeUtf8(utf8);
  return decoded ? static_cast<int>(decoded->size()) : 0;
}

// Where the next search in the area starts after a match at `position`.
int NextPosition(const Area& area, int position, const std::string& what) {
  if (area.list)
    return position + 1;
  return position + CharLength(what) + area.step;
}

std::optional<int> SearchArea(Workspace& ws, const Area& area, const std::string& what, int from) {
  const std::optional<int> found =
      area.list ? SearchLines(area.held, what, from) : SearchText(area.held, what, from);
  ui::Control* control = area.text   ? static_cast<ui::Control*>(area.text)
                         : area.list ? static_cast<ui::Control*>(area.list)
                                     : area.edit;
  if (!found || control == nullptr)
    return found;
  if (area.text)
    area.text->SetSelStart(*found);
  else if (area.list)
    area.list->SetItemIndex(*found);
  else
    area.edit->SetSelStart(*found);
  ShowPage(ws, area.page);
  Focus(*control);
  return found;
}

}  // namespace

void SearchPlaces(Workspace& ws, TfrmFind& find, const std::string& what, bool next) {
  if (what.empty())
    return;
  const std::vector<Area> areas = Areas(ws);
  int first = 1;
  if (!next || find.area == 0) {
    find.area = 0;
    find.position = 0;
  } else {
    first = find.area;
    find.position = NextPosition(areas[static_cast<size_t>(first - 1)], find.position, what);
  }
  for (int number = first; number <= kAreaCount; ++number) {
    if (auto found = SearchArea(ws, areas[static_cast<size_t>(number - 1)], what, find.position)) {
      find.area = number;
      find.position = *found;
      return;
    }
    find.position = 0;
  }
  find.area = 0;
}

}  // namespace tarnix
