// Finding text across the main window's pages.
#pragma once

#include <memory>

#include "sources/workspace.h"

namespace tarnix {

class TfrmFind {
 public:
  explicit TfrmFind(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
  ui::EditBox* edtStr = nullptr;
  ui::Button* bbtFind = nullptr;
  ui::Button* bbtNext = nullptr;
  ui::Button* BitBtn3 = nullptr;

  // Where the last match was: the area (1 to 11, 0 when no search runs) and the character
  // offset or line index in it.
  int area = 0;
  int position = 0;

  // The workspace the buttons search; set before the window is first shown.
  Workspace* ws = nullptr;

  void bbtFindClick();
  void bbtNextClick();
  void BitBtn3Click();
  void bbtNextKeyPress(int& ch);
};

// Looks for the text from the first area, or (next) after the last match.
void SearchPlaces(Workspace& ws, TfrmFind& find, const std::string& what, bool next);

// Shows the find window (not modal).
void ShowFind(Workspace& ws, TfrmFind& find);
// The next match without showing the window.
void FindNext(Workspace& ws, TfrmFind& find);

}  // namespace tarnix
