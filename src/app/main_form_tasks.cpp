// The Tasks page: the scheduled tasks that start a program at boot or logon, one a line, with
// Delete, Disable and Enable through the scheduler.
#include "app/main_form.h"
#include "sources/task_commands.h"
#include "sources/task_page.h"

namespace tarnix {

namespace {

constexpr unsigned kPurple = 0x800080u;
// Where the name and command columns begin, from the list's left edge; as on the Logon page.
constexpr int kNameColumn = 165, kCommandColumn = 280;

}  // namespace

void Tmform::BuildTasksPage() {
  ui::Container* page = TabSheet9;
  ToolBar6 = form->AddToolBar({"ToolBar6", {0, 0, 473, 30}, ImageList1, 27, 26}, page);
  ToolButton29 = ToolBar6->AddButton("ToolButton29", 0, "Delete  (DEL)");
  const int left = 8, top = 40;
  Label14 = form->AddLabel({"Label14", "Place", {left + 2, top, 120, 18}, true, kPurple}, page);
  Label15 = form->AddLabel(
      {"Label15", "Name", {left + 2 + kNameColumn, top, 100, 18}, true, kPurple}, page);
  Label16 = form->AddLabel(
      {"Label16", "Command", {left + 2 + kCommandColumn, top, 150, 18}, true, kPurple}, page);
  ui::ListBoxSpec list{"lsbTasks", {left, top + 20, 457, 286}};
  list.tabStops = {kNameColumn, kCommandColumn};
  lsbTasks = form->AddListBox(list, page);
}

void Tmform::WireTasksPage() {
  Delete5->onClick = Route(&Tmform::Delete5Click);
  ToolButton29->onClick = Route(&Tmform::Delete5Click);
}

void Tmform::OnSelectedTask(const std::function<void(const std::string& path)>& command) {
  const std::string path = SelectedTaskPath(ws);
  if (path.empty())
    return;
  command(path);
  LoadStartupTasks(ws);
}

void Tmform::Delete5Click() {
  OnSelectedTask([this](const std::string& path) { DeleteStartupTask(ws, path); });
}
void Tmform::Disable5Click() {
  OnSelectedTask([this](const std::string& path) { SetStartupTaskEnabled(ws, path, false); });
}
void Tmform::Enable5Click() {
  OnSelectedTask([this](const std::string& path) { SetStartupTaskEnabled(ws, path, true); });
}

}  // namespace tarnix
