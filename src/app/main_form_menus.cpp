// The main window's menus, and which handler every control reaches.
#include "app/main_form.h"
#include "sources/loading.h"

namespace tarnix {

namespace {

using ui::Alt;
using ui::Ctrl;
using ui::Key;
namespace vk = ui::vk;

ui::MenuItemSpec Separator(const char* name) {
  return {name, "-"};
}

}  // namespace

void Tmform::BuildMainMenu() {
  MainMenu1 = form->SetMainMenu("MainMenu1");
  N1 = MainMenu1->Add({"N1", "&File"});
  Checkit1 = N1->Add({"Checkit1", "Check it!", Key(vk::F9)});
  Save1 = N1->Add({"Save1", "Sa&ve ", Key(vk::F2)});
  N13 = N1->Add({"N13", "&Check system on startup"});
  Createshortcutondesktop1 = N1->Add({"Createshortcutondesktop1", "Create shortcut &on desktop"});
  CreateshortcutinProgramsmenu1 =
      N1->Add({"CreateshortcutinProgramsmenu1", "Create &shortcut in Programs menu"});
  N2 = N1->Add(Separator("N2"));
  Showhistorylog1 = N1->Add({"Showhistorylog1", "&Show history log"});
  Clearhistorylog1 = N1->Add({"Clearhistorylog1", "Clear history &log"});
  N20 = N1->Add(Separator("N20"));
  N12 = N1->Add({"N12", "&Registry editor"});
  N14 = N1->Add({"N14", "S&tartup folder"});
  N10 = N1->Add(Separator("N10"));
  N6 = N1->Add({"N6", "&Exit", Alt(vk::Key('X'))});

  N16 = MainMenu1->Add({"N16", "&Edit"});
  Find1 = N16->Add({"Find1", "&Find", Ctrl(vk::Key('F'))});
  FindNext1 = N16->Add({"FindNext1", "Find &Next", Key(vk::F3)});
  N19 = N16->Add(Separator("N19"));
  N17 = N16->Add({"N17", "&Refresh", Key(vk::F5)});

  N7 = MainMenu1->Add({"N7", "&Help"});
  N8 = N7->Add({"N8", "&Help", Key(vk::F1)});
  N9 = N7->Add({"N9", "&About Tarnix"});
}

void Tmform::BuildPopupMenus() {
  PopupMenu1 = form->AddPopupMenu("PopupMenu1");
  Delete1 = PopupMenu1->Add({"Delete1", "Delete", Key(vk::Delete)});
  Add1 = PopupMenu1->Add({"Add1", "Add", Key(vk::Insert)});
  Change1 = PopupMenu1->Add({"Change1", "Edit", {}, true});
  Undo1 = PopupMenu1->Add({"Undo1", "&Undo", Ctrl(vk::Key('Z'))});
  Undofromprevioussessions1 =
      PopupMenu1->Add({"Undofromprevioussessions1", "Undo previous sessions", Ctrl(vk::Key('R'))});
  Saveallkeystofile1 =
      PopupMenu1->Add({"Saveallkeystofile1", "Save all keys to file", Ctrl(vk::Key('S'))});
  for (ui::ListBox* list : {ListBox1, ListBox2, ListBox3}) {
    list->SetPopupMenu(PopupMenu1);
  }

  st_pop = form->AddPopupMenu("st_pop");
  Delete2 = st_pop->Add({"Delete2", "&Delete", Key(vk::Delete)});
  Add2 = st_pop->Add({"Add2", "&Add", Key(vk::Insert)});
  Change2 = st_pop->Add({"Change2", "&Edit", {}, true});
  lsbStart->SetPopupMenu(st_pop);

  comstup = form->AddPopupMenu("comstup");
  Delete3 = comstup->Add({"Delete3", "&Delete", Key(vk::Delete)});
  Add3 = comstup->Add({"Add3", "&Add", Key(vk::Insert)});
  Change3 = comstup->Add({"Change3", "&Edit", {}, true});
  lsbComSt->SetPopupMenu(comstup);

  logpop = form->AddPopupMenu("logpop");
  Delete4 = logpop->Add({"Delete4", "&Delete", Key(vk::Delete)});
  Change4 = logpop->Add({"Change4", "&Edit", {}, true});
  lsbLogon->SetPopupMenu(logpop);

  taskpop = form->AddPopupMenu("taskpop");
  Delete5 = taskpop->Add({"Delete5", "&Delete", Key(vk::Delete)});
  lsbTasks->SetPopupMenu(taskpop);
}

void Tmform::WireControls() {
  form->onShow = [this] { FormShow(); };
  form->onClose = Route(&Tmform::FormClose);
  form->onFormKeyPress = [this](int& key) { FormKeyPress(key); };
  ListBox1->onDblClick = Route(&Tmform::ListBox1DblClick);
  ListBox2->onDblClick = Route(&Tmform::ListBox2DblClick);
  ListBox3->onDblClick = Route(&Tmform::ListBox3DblClick);
  ListBox1->onExit = [this] { ListBox1Exit(); };
  ListBox2->onExit = [this] { ListBox2Exit(); };
  ListBox3->onExit = [this] { ListBox3Exit(); };
  ListBox1->onMouseDown = [this](ui::MouseButton b, int, int) { ListBox1MouseDown(b); };
  ListBox2->onMouseDown = [this](ui::MouseButton b, int, int) { ListBox2MouseDown(b); };
  ListBox3->onMouseDown = [this](ui::MouseButton b, int, int) { ListBox3MouseDown(b); };
  lsbStart->onDblClick = [this] { lsbStartDblClick(); };
  lsbStart->onKeyPress = [this](int& key) { lsbStartKeyPress(key); };
  lsbComSt->onDblClick = [this] { lsbComStDblClick(); };
  lsbComSt->onKeyPress = [this](int& key) { lsbComStKeyPress(key); };
  btnWins->onClick = [this] { btnWinsClick(); };
  Button1->onClick = Route(&Tmform::Button1Click);
  Button2->onClick = Route(&Tmform::Button2Click);
  // The state of an entry selected on another page says nothing about this one.
  PageControl1->onChange = [this] { StatusBar1->SetPanelText(0, PageNotes(ws)); };
  WireMainMenu();
  WirePopupMenus();
  WireToolButtons();
  WireMarkCommands();
  WireLogonPage();
  WireTasksPage();
}

void Tmform::WireMainMenu() {
  Checkit1->onClick = Route(&Tmform::Checkit1Click);
  Save1->onClick = Route(&Tmform::Save1Click);
  N13->onClick = Route(&Tmform::N13Click);
  Createshortcutondesktop1->onClick = Route(&Tmform::Createshortcutondesktop1Click);
  CreateshortcutinProgramsmenu1->onClick = Route(&Tmform::CreateshortcutinProgramsmenu1Click);
  Showhistorylog1->onClick = Route(&Tmform::Showhistorylog1Click);
  Clearhistorylog1->onClick = Route(&Tmform::Clearhistorylog1Click);
  N12->onClick = Route(&Tmform::N12Click);
  N14->onClick = Route(&Tmform::N14Click);
  N6->onClick = Route(&Tmform::N6Click);
  Find1->onClick = Route(&Tmform::Find1Click);
  FindNext1->onClick = Route(&Tmform::FindNext1Click);
  N17->onClick = Route(&Tmform::N17Click);
  N8->onClick = Route(&Tmform::N8Click);
  N9->onClick = Route(&Tmform::N9Click);
}

void Tmform::WirePopupMenus() {
  Delete1->onClick = Route(&Tmform::Delete1Click);
  Add1->onClick = Route(&Tmform::Add1Click);
  Change1->onClick = Route(&Tmform::Change1Click);
  Undo1->onClick = Route(&Tmform::Undo1Click);
  Undofromprevioussessions1->onClick = Route(&Tmform::Undofromprevioussessions1Click);
  Saveallkeystofile1->onClick = Route(&Tmform::Saveallkeystofile1Click);
  Delete2->onClick = Route(&Tmform::Delete2Click);
  Add2->onClick = Route(&Tmform::Add2Click);
  Change2->onClick = Route(&Tmform::Change2Click);
  Delete3->onClick = Route(&Tmform::Delete3Click);
  Add3->onClick = Route(&Tmform::Add3Click);
  Change3->onClick = Route(&Tmform::Change3Click);
}

void Tmform::WireToolButtons() {
  ToolButton1->onClick = [this] { ToolButton1Click(); };
  ToolButton2->onClick = [this] { ToolButton2Click(); };
  ToolButton3->onClick = [this] { ToolButton3Click(); };
  ToolButton4->onClick = [this] { ToolButton4Click(); };
  ToolButton5->onClick = Route(&Tmform::ToolButton5Click);
  ToolButton6->onClick = [this] { ToolButton6Click(); };
  ToolButton7->onClick = [this] { ToolButton7Click(); };
  ToolButton8->onClick = [this] { ToolButton8Click(); };
  ToolButton9->onClick = [this] { ToolButton9Click(); };
  ToolButton10->onClick = [this] { ToolButton10Click(); };
  ToolButton11->onClick = [this] { ToolButton11Click(); };
  ToolButton12->onClick = [this] { ToolButton12Click(); };
  ToolButton13->onClick = [this] { ToolButton13Click(); };
  ToolButton14->onClick = [this] { ToolButton14Click(); };
  ToolButton15->onClick = [this] { ToolButton15Click(); };
  ToolButton16->onClick = [this] { ToolButton16Click(); };
  ToolButton17->onClick = [this] { ToolButton17Click(); };
  ToolButton18->onClick = [this] { ToolButton18Click(); };
}

std::function<void()> Tmform::Route(Handler handler) {
  return [this, handler] { dispatch(handler); };
}

}  // namespace tarnix
