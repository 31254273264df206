#include "setup/find.h"

namespace tarnix {

TfrmFind::TfrmFind(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"frmFind", "TfrmFind", "Find", 544, 144})) {
  edtStr = form->AddEdit({"edtStr", {20, 24, 504, 26}});
  bbtFind = form->AddButton({"bbtFind", "&Find", {32, 84, 148, 36}, ui::ButtonKind::Ok});
  bbtNext =
      form->AddButton({"bbtNext", "Find &Next (F3)", {198, 84, 148, 36}, ui::ButtonKind::Retry});
  BitBtn3 = form->AddButton({"BitBtn3", "&Cancel", {364, 84, 148, 36}, ui::ButtonKind::Cancel});
  bbtFind->onClick = [this] { bbtFindClick(); };
  bbtNext->onClick = [this] { bbtNextClick(); };
  bbtNext->onKeyPress = [this](int& ch) { bbtNextKeyPress(ch); };
  BitBtn3->onClick = [this] { BitBtn3Click(); };
}

void TfrmFind::bbtFindClick() {
  if (ws)
    SearchPlaces(*ws, *this, edtStr->Text(), false);
}

void TfrmFind::bbtNextClick() {
  if (ws)
    SearchPlaces(*ws, *this, edtStr->Text(), true);
}

void TfrmFind::BitBtn3Click() {
  form->Hide();
}

void TfrmFind::bbtNextKeyPress(int& ch) {
  if (ch == 27)
    form->Hide();
}

void ShowFind(Workspace& ws, TfrmFind& find) {
  find.ws = &ws;
  find.form->Show();
  find.edtStr->SetFocus();
}

void FindNext(Workspace& ws, TfrmFind& find) {
  find.ws = &ws;
  SearchPlaces(ws, find, find.edtStr->Text(), true);
}

}  // namespace tarnix
