// Disable and Enable in the main window: Task Manager's marks on the entries of the run lists,
// the startup groups and the Logon page's 32-bit Run, and the scheduled tasks' own state, from
// the Edit menu, the pop-up menus and the toolbars.
#include "app/main_form.h"
#include "sources/mark_commands.h"

namespace tarnix {

namespace {

constexpr int kDisableImage = 6, kEnableImage = 7;  // in ImageList1

}  // namespace

void Tmform::AddMarkCommands() {
  N21 = N16->Add({"N21", "-"});
  N22 = N16->Add({"N22", "D&isable"});
  N23 = N16->Add({"N23", "Ena&ble"});
  Disable1 = PopupMenu1->Add({"Disable1", "D&isable"});
  Enable1 = PopupMenu1->Add({"Enable1", "Ena&ble"});
  Disable2 = st_pop->Add({"Disable2", "D&isable"});
  Enable2 = st_pop->Add({"Enable2", "Ena&ble"});
  Disable3 = comstup->Add({"Disable3", "D&isable"});
  Enable3 = comstup->Add({"Enable3", "Ena&ble"});
  Disable4 = logpop->Add({"Disable4", "D&isable"});
  Enable4 = logpop->Add({"Enable4", "Ena&ble"});
  Disable5 = taskpop->Add({"Disable5", "D&isable"});
  Enable5 = taskpop->Add({"Enable5", "Ena&ble"});
  ToolButton21 = ToolBar1->AddButton("ToolButton21", kDisableImage, "Disable");
  ToolButton22 = ToolBar1->AddButton("ToolButton22", kEnableImage, "Enable");
  ToolButton23 = ToolBar3->AddButton("ToolButton23", kDisableImage, "Disable");
  ToolButton24 = ToolBar3->AddButton("ToolButton24", kEnableImage, "Enable");
  ToolButton25 = ToolBar4->AddButton("ToolButton25", kDisableImage, "Disable");
  ToolButton26 = ToolBar4->AddButton("ToolButton26", kEnableImage, "Enable");
  ToolButton27 = ToolBar5->AddButton("ToolButton27", kDisableImage, "Disable");
  ToolButton28 = ToolBar5->AddButton("ToolButton28", kEnableImage, "Enable");
  ToolButton30 = ToolBar6->AddButton("ToolButton30", kDisableImage, "Disable");
  ToolButton31 = ToolBar6->AddButton("ToolButton31", kEnableImage, "Enable");
}

void Tmform::WireMarkCommands() {
  N22->onClick = Route(&Tmform::N22Click);
  N23->onClick = Route(&Tmform::N23Click);
  const std::pair<ui::MenuItem*, Handler> items[] = {
      {Disable1, &Tmform::Disable1Click}, {Enable1, &Tmform::Enable1Click},
      {Disable2, &Tmform::Disable2Click}, {Enable2, &Tmform::Enable2Click},
      {Disable3, &Tmform::Disable3Click}, {Enable3, &Tmform::Enable3Click},
      {Disable4, &Tmform::Disable4Click}, {Enable4, &Tmform::Enable4Click},
      {Disable5, &Tmform::Disable5Click}, {Enable5, &Tmform::Enable5Click}};
  for (const auto& [item, handler] : items) item->onClick = Route(handler);
  // A toolbar button does not take the focus, so it acts on the focused list as its item does.
  const std::pair<ui::ToolButton*, Handler> buttons[] = {
      {ToolButton21, &Tmform::Disable1Click}, {ToolButton22, &Tmform::Enable1Click},
      {ToolButton23, &Tmform::Disable2Click}, {ToolButton24, &Tmform::Enable2Click},
      {ToolButton25, &Tmform::Disable3Click}, {ToolButton26, &Tmform::Enable3Click},
      {ToolButton27, &Tmform::Disable4Click}, {ToolButton28, &Tmform::Enable4Click},
      {ToolButton30, &Tmform::Disable5Click}, {ToolButton31, &Tmform::Enable5Click}};
  for (const auto& [button, handler] : buttons) button->onClick = Route(handler);
}

void Tmform::MarkRunEntry(int runList, bool disabled) {
  OnSelectedRunEntry(runList, [this, disabled](int list, const std::string& name) {
    SetEntryDisabled(ws, ws.catalogue.RunList(list), name, disabled);
  });
}

void Tmform::MarkGroupEntry(const char* group, bool disabled) {
  OnSelectedGroupEntry(group,
                       [this, disabled](const StartupSection& section, const std::string& name) {
                         SetEntryDisabled(ws, section, name, disabled);
                       });
}

void Tmform::MarkLogonEntry(bool disabled) {
  OnSelectedLogonEntry([this, disabled](int list, const std::string& name) {
    SetEntryDisabled(ws, ws.catalogue.RunList(list), name, disabled);
  });
}

void Tmform::MarkFocusedEntry(Handler runList, Handler group, Handler common, Handler logon,
                              Handler tasks) {
  const ui::Control* focused = form->ActiveControl();
  if (FocusedRunList() >= 0)
    dispatch(runList);
  else if (focused == lsbStart)
    dispatch(group);
  else if (focused == lsbComSt)
    dispatch(common);
  else if (focused == lsbLogon)
    dispatch(logon);
  else if (focused == lsbTasks)
    dispatch(tasks);
}

void Tmform::N22Click() {
  MarkFocusedEntry(&Tmform::Disable1Click, &Tmform::Disable2Click, &Tmform::Disable3Click,
                   &Tmform::Disable4Click, &Tmform::Disable5Click);
}
void Tmform::N23Click() {
  MarkFocusedEntry(&Tmform::Enable1Click, &Tmform::Enable2Click, &Tmform::Enable3Click,
                   &Tmform::Enable4Click, &Tmform::Enable5Click);
}
void Tmform::Disable1Click() {
  MarkRunEntry(FocusedRunList(), true);
}
void Tmform::Enable1Click() {
  MarkRunEntry(FocusedRunList(), false);
}
void Tmform::Disable2Click() {
  MarkGroupEntry("Startup", true);
}
void Tmform::Enable2Click() {
  MarkGroupEntry("Startup", false);
}
void Tmform::Disable3Click() {
  MarkGroupEntry("Common Startup", true);
}
void Tmform::Enable3Click() {
  MarkGroupEntry("Common Startup", false);
}

void Tmform::Disable4Click() {
  MarkLogonEntry(true);
}
void Tmform::Enable4Click() {
  MarkLogonEntry(false);
}

}  // namespace tarnix
