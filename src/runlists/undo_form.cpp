#include "runlists/undo_form.h"

namespace tarnix {

namespace {

ui::FormSpec UndoSpec() {
  ui::FormSpec spec{"undolist", "Tundolist", "Undo", 680, 300};
  spec.keyPreview = true;
  return spec;
}

}  // namespace

Tundolist::Tundolist(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm(UndoSpec())), toolkit_(toolkit) {
  ui::ListBoxSpec list{"ListBox1", {8, 8, 664, 240}};
  list.fontName = "Courier New";  // fixed width, so that the labels line up
  ListBox1 = form->AddListBox(list);
  Button1 = form->AddButton({"Button1", "Undo", {244, 258, 86, 30}});
  Button2 = form->AddButton({"Button2", "Cancel", {350, 258, 86, 30}});
  Button1->onClick = [this] { Button1Click(); };
  Button2->onClick = [this] { Button2Click(); };
  form->onFormKeyPress = [this](int& key) { FormKeyPress(key); };
}

int Tundolist::Choose(const std::vector<std::string>& lines) {
  ListBox1->Clear();
  for (const std::string& line : lines) {
    ListBox1->Add(line);
  }
  chosenRow = -1;
  form->ShowModal();
  return chosenRow;
}

void Tundolist::Button1Click() {
  if (ListBox1->ItemIndex() < 0) {
    toolkit_.MessageBox(form.get(), "The row not selected", "Attention!", ui::mb::IconInfo);
    return;
  }
  chosenRow = ListBox1->ItemIndex();
  form->Close();
}

void Tundolist::Button2Click() {
  chosenRow = -1;
  form->Close();
}

void Tundolist::FormKeyPress(int& key) {
  if (key == 27) {
    key = 0;
    Button2Click();
  }
}

}  // namespace tarnix
