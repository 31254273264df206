// The search across the nine areas, in their fixed order, continuing after the last match.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/text_case.h"
#include "base/text_codec.h"
#include "setup/find.h"

namespace tarnix {

namespace {

constexpr int kAreaCount = 9;

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

// The page's lines with a break counted as one character, as the page counts its positions.
// Searched here rather than by the control, whose case folding stops at ASCII on some systems.
std::optional<int> SearchPage(ui::TextPage& page, const std::string& what, int from) {
  const std::vector<std::string> lines = page.Lines();
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\n") + lines[i];
  const auto found = FindFolded(text, what, from);
  if (found)
    page.SetSelStart(*found);
  return found;
}

std::optional<int> SearchList(ui::ListBox& list, const std::string& what, int from) {
  const std::string needle = FoldCase(what);
  for (int line = from; line < list.Count(); ++line) {
    if (FoldCase(list.Item(line)).find(needle) != std::string::npos) {
      list.SetItemIndex(line);
      return line;
    }
  }
  return std::nullopt;
}

std::optional<int> SearchEdit(ui::EditBox& edit, const std::string& what, int from) {
  const auto found = FindFolded(edit.Text(), what, from);
  if (found)
    edit.SetSelStart(*found);
  return found;
}

struct Area {
  const char* page;
  int step;  // added to the match's end for the next search in the same area
  ui::TextPage* text;
  ui::ListBox* list;
  ui::EditBox* edit;
};

std::vector<Area> Areas(const PlaceViews& v) {
  return {{"Autoexec", 1, v.autoex, nullptr, nullptr},
          {"Config", 1, v.config, nullptr, nullptr},
          {"Winstart.bat", 1, v.winstart, nullptr, nullptr},
          {"Registry", 0, nullptr, v.runLists[0], nullptr},
          {"Registry", 0, nullptr, v.runLists[1], nullptr},
          {"Registry", 0, nullptr, v.runLists[2], nullptr},
          {"Startup Group", 0, nullptr, v.lsbStart, nullptr},
          {"Win.ini", 0, nullptr, nullptr, v.load},
          {"Win.ini", 0, nullptr, nullptr, v.run}};
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
  std::optional<int> found;
  ui::Control* control = nullptr;
  if (area.text && (found = SearchPage(*area.text, what, from)))
    control = area.text;
  if (area.list && (found = SearchList(*area.list, what, from)))
    control = area.list;
  if (area.edit && (found = SearchEdit(*area.edit, what, from)))
    control = area.edit;
  if (control) {
    ShowPage(ws, area.page);
    Focus(*control);
  }
  return found;
}

}  // namespace

void SearchPlaces(Workspace& ws, TfrmFind& find, bool next) {
  const std::string what = find.edtStr->Text();
  if (what.empty())
    return;
  const std::vector<Area> areas = Areas(ws.views);
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
