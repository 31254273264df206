// The Logon page: the run lists of the 32-bit view, RunOnce, the policy run lists and
// Winlogon's Shell and Userinit, one entry a line, with Delete and Edit.
#include "app/main_form.h"
#include "runlists/run_list_commands.h"

namespace tarnix {

namespace {

constexpr unsigned kPurple = 0x800080u;
// Where the name and command columns begin, from the list's left edge.
constexpr int kNameColumn = 165, kCommandColumn = 280;

}  // namespace

void Tmform::BuildLogonPage() {
  ui::Container* page = TabSheet8;
  ToolBar5 = form->AddToolBar({"ToolBar5", {0, 0, 473, 30}, ImageList1, 27, 26}, page);
  ToolButton19 = ToolBar5->AddButton("ToolButton19", 0, "Delete  (DEL)");
  ToolButton20 = ToolBar5->AddButton("ToolButton20", 1, "Edit (Enter)");
  const int left = 8, top = 40;
  Label11 = form->AddLabel({"Label11", "Place", {left + 2, top, 120, 18}, true, kPurple}, page);
  Label12 = form->AddLabel(
      {"Label12", "Name", {left + 2 + kNameColumn, top, 100, 18}, true, kPurple}, page);
  Label13 = form->AddLabel(
      {"Label13", "Command", {left + 2 + kCommandColumn, top, 150, 18}, true, kPurple}, page);
  ui::ListBoxSpec list{"lsbLogon", {left, top + 20, 457, 286}};
  list.tabStops = {kNameColumn, kCommandColumn};
  lsbLogon = form->AddListBox(list, page);
}

void Tmform::WireLogonPage() {
  lsbLogon->onDblClick = [this] { lsbLogonDblClick(); };
  lsbLogon->onKeyPress = [this](int& key) { lsbLogonKeyPress(key); };
  Delete4->onClick = Route(&Tmform::Delete4Click);
  Change4->onClick = Route(&Tmform::Change4Click);
  ToolButton19->onClick = [this] { ToolButton19Click(); };
  ToolButton20->onClick = [this] { ToolButton20Click(); };
}

void Tmform::OnSelectedLogonEntry(const std::function<void(int, const std::string&)>& command) {
  const int index = lsbLogon->ItemIndex();
  const std::vector<LogonRow> rows = LogonRows(ws.places);
  if (index >= 0 && index < static_cast<int>(rows.size()))
    command(rows[static_cast<size_t>(index)].runList, rows[static_cast<size_t>(index)].name);
}

void Tmform::Delete4Click() {
  OnSelectedLogonEntry(
      [this](int runList, const std::string& name) { DeleteRunEntry(ws, runList, name); });
}
void Tmform::ToolButton19Click() {
  dispatch(&Tmform::Delete4Click);
}
void Tmform::Change4Click() {
  OnSelectedLogonEntry([this](int runList, const std::string& name) {
    EditRunEntry(ws, *windows.EditStr, runList, name);
  });
}
void Tmform::ToolButton20Click() {
  dispatch(&Tmform::Change4Click);
}
void Tmform::lsbLogonDblClick() {
  dispatch(&Tmform::Change4Click);
}
void Tmform::lsbLogonKeyPress(int& key) {
  if (key == 13) {
    dispatch(&Tmform::Change4Click);
  }
}

}  // namespace tarnix
