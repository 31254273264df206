// Which command handler each menu item, pop-up menu item, toolbar button, double click and key
// of the main window reaches, done the way a user does it. The handlers are replaced by a
// recorder, so the test holds whatever the commands themselves do.
#include <cctype>
#include <ostream>

#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;
using Act = std::function<void(ui::Form&)>;

// The page of each control a row acts on; the user brings it to the front first.
enum Page { kRegistry = 0, kWinIni = 1, kAutoexec = 3, kServices = 5, kGroup = 6, kCommon = 7 };

struct Route {
  std::string what;
  Page page;
  Act act;
  std::vector<std::string> reaches;
  // The RunServices list can be used on Windows 98 only, the common group on NT only.
  bool windows98 = false;
};

void PrintTo(const Route& route, std::ostream* out) {
  *out << route.what;
}

using Named = std::pair<Tmform::Handler, const char*>;
template <class... Each>
std::vector<Named> Handlers(Each... each) {
  return {each...};
}
#define TARNIX_HANDLER(name) Named(&Tmform::name, #name)
const std::vector<Named> kHandlers = Handlers(
    TARNIX_HANDLER(Checkit1Click), TARNIX_HANDLER(Save1Click), TARNIX_HANDLER(N13Click),
    TARNIX_HANDLER(Createshortcutondesktop1Click),
    TARNIX_HANDLER(CreateshortcutinProgramsmenu1Click), TARNIX_HANDLER(Showhistorylog1Click),
    TARNIX_HANDLER(Clearhistorylog1Click), TARNIX_HANDLER(N12Click), TARNIX_HANDLER(N14Click),
    TARNIX_HANDLER(N6Click), TARNIX_HANDLER(Find1Click), TARNIX_HANDLER(FindNext1Click),
    TARNIX_HANDLER(N17Click), TARNIX_HANDLER(N8Click), TARNIX_HANDLER(N9Click),
    TARNIX_HANDLER(Delete1Click), TARNIX_HANDLER(Add1Click), TARNIX_HANDLER(Change1Click),
    TARNIX_HANDLER(ListBox1DblClick), TARNIX_HANDLER(ListBox2DblClick),
    TARNIX_HANDLER(ListBox3DblClick), TARNIX_HANDLER(Undo1Click),
    TARNIX_HANDLER(Undofromprevioussessions1Click), TARNIX_HANDLER(Saveallkeystofile1Click),
    TARNIX_HANDLER(ToolButton5Click), TARNIX_HANDLER(Delete2Click), TARNIX_HANDLER(Add2Click),
    TARNIX_HANDLER(Change2Click), TARNIX_HANDLER(Delete3Click), TARNIX_HANDLER(Add3Click),
    TARNIX_HANDLER(Change3Click), TARNIX_HANDLER(FormClose), TARNIX_HANDLER(ShowVersion),
    TARNIX_HANDLER(Button1Click), TARNIX_HANDLER(Button2Click));
#undef TARNIX_HANDLER

std::string NameOf(Tmform::Handler handler) {
  for (const auto& [known, name] : kHandlers) {
    if (known == handler)
      return name;
  }
  return "(a handler that is no command)";
}

// A right click on the list opens its pop-up menu, where the user chooses the item.
Act ChooseFromList(const std::string& list, const std::string& item) {
  return [list, item](ui::Form& form) {
    MouseDown(Get<ui::Control>(form, list), ui::MouseButton::Right);
    Click(FindMenuItem(form, item));
  };
}
Act ClickOn(const std::string& control) {
  return [control](ui::Form& form) { Click(Get<ui::Control>(form, control)); };
}
Act DoubleClickOn(const std::string& control) {
  return [control](ui::Form& form) { DoubleClick(Get<ui::Control>(form, control)); };
}
// The key pressed in the control, or where the focus is when the window appears.
Act PressIn(const std::string& control, int key, ui::ShiftState shift = {}) {
  return [control, key, shift](ui::Form& form) {
    if (!control.empty())
      Focus(Get<ui::Control>(form, control));
    PressKey(form, key, shift);
  };
}
Act CtrlIn(const std::string& control, char letter) {
  return PressIn(control, ui::vk::Key(letter), {false, true, false});
}

constexpr int kDel = ui::vk::Delete, kIns = ui::vk::Insert, kEnter = ui::vk::Return;

// A pop-up menu item reaches the handler named after it.
Route PopupItemRoute(Page page, const std::string& list, const std::string& item) {
  return {item, page, ChooseFromList(list, item), {item + "Click"}};
}

std::vector<Route> MainMenuRoutes() {
  std::vector<Route> routes = {
      {"F9", kRegistry, PressIn("", ui::vk::F9), {"Checkit1Click"}},
      {"F2", kRegistry, PressIn("", ui::vk::F2), {"Save1Click"}},
      {"Alt+X", kRegistry, PressIn("", ui::vk::Key('X'), {false, false, true}), {"N6Click"}},
      {"Ctrl+F", kRegistry, CtrlIn("", 'F'), {"Find1Click"}},
      {"F3", kRegistry, PressIn("", ui::vk::F3), {"FindNext1Click"}},
      {"F5", kRegistry, PressIn("", ui::vk::F5), {"N17Click"}},
      {"F1", kRegistry, PressIn("", ui::vk::F1), {"N8Click"}},
  };
  for (const char* item : {"Checkit1", "Save1", "N13", "Createshortcutondesktop1",
                           "CreateshortcutinProgramsmenu1", "Showhistorylog1", "Clearhistorylog1",
                           "N12", "N14", "N6", "Find1", "FindNext1", "N17", "N8", "N9"}) {
    const std::string name = item;
    routes.push_back(
        {name, kRegistry, [name](ui::Form& f) { Click(FindMenuItem(f, name)); }, {name + "Click"}});
  }
  return routes;
}

std::vector<Route> RunListRoutes() {
  std::vector<Route> routes = {
      PopupItemRoute(kRegistry, "ListBox1", "Delete1"),
      PopupItemRoute(kRegistry, "ListBox3", "Add1"),
      PopupItemRoute(kRegistry, "ListBox1", "Change1"),
      PopupItemRoute(kRegistry, "ListBox3", "Undo1"),
      PopupItemRoute(kRegistry, "ListBox1", "Undofromprevioussessions1"),
      PopupItemRoute(kRegistry, "ListBox3", "Saveallkeystofile1"),
  };
  for (const std::string list : {"ListBox1", "ListBox2", "ListBox3"}) {
    auto key = [&](const std::string& label, Act act, const std::string& handler) {
      routes.push_back(
          {label + " in " + list, kRegistry, std::move(act), {handler}, list == "ListBox2"});
    };
    key("Del", PressIn(list, kDel), "Delete1Click");
    key("Ins", PressIn(list, kIns), "Add1Click");
    key("Ctrl+Z", CtrlIn(list, 'Z'), "Undo1Click");
    key("Ctrl+R", CtrlIn(list, 'R'), "Undofromprevioussessions1Click");
    key("Ctrl+S", CtrlIn(list, 'S'), "Saveallkeystofile1Click");
    key("Enter", PressIn(list, kEnter), "Change1Click");
    key("Double click", DoubleClickOn(list), list + "DblClick");
  }
  return routes;
}

// A startup group: its list, the number its pop-up menu items end in, and its toolbar's
// delete, change and add buttons. Enter reaches the run-list edit through the window's key
// preview first; that one does nothing there, as no run list has the focus.
std::vector<Route> GroupRoutes(Page page, const std::string& list, const std::string& number,
                               const std::string& deleteButton, const std::string& changeButton,
                               const std::string& addButton) {
  const std::string remove = "Delete" + number, add = "Add" + number, change = "Change" + number;
  return {
      PopupItemRoute(page, list, remove),
      PopupItemRoute(page, list, add),
      PopupItemRoute(page, list, change),
      {deleteButton, page, ClickOn(deleteButton), {remove + "Click"}},
      {changeButton, page, ClickOn(changeButton), {change + "Click"}},
      {addButton, page, ClickOn(addButton), {add + "Click"}},
      {"Del in " + list, page, PressIn(list, kDel), {remove + "Click"}},
      {"Ins in " + list, page, PressIn(list, kIns), {add + "Click"}},
      {"Enter in " + list, page, PressIn(list, kEnter), {"Change1Click", change + "Click"}},
      {"Double click on " + list,
       page,
       [list](ui::Form& f) { DoubleClick(Get<ui::Control>(f, list)); },
       {change + "Click"}},
  };
}

// The buttons of the "Registry" page's toolbar and of the right-hand panel, and the window's
// own ways out.
std::vector<Route> WindowRoutes() {
  const std::pair<const char*, const char*> buttons[] = {
      {"ToolButton1", "Delete1Click"},     {"ToolButton2", "Change1Click"},
      {"ToolButton3", "Add1Click"},        {"ToolButton4", "Undo1Click"},
      {"ToolButton5", "ToolButton5Click"}, {"ToolButton15", "Undofromprevioussessions1Click"},
      {"ToolButton8", "Checkit1Click"},    {"ToolButton9", "Save1Click"},
      {"ToolButton10", "Find1Click"},      {"ToolButton11", "N17Click"},
      {"ToolButton13", "N8Click"},         {"ToolButton14", "FormClose"},
      {"btnWins", "ShowVersion"}};
  std::vector<Route> routes = {
      {"The close box", kRegistry, [](ui::Form& form) { CloseBox(form); }, {"FormClose"}},
      {"Esc", kRegistry, PressIn("", ui::vk::Escape), {"N6Click"}},
      {"Esc in a text page", kAutoexec, PressIn("autoex", ui::vk::Escape), {"N6Click"}},
      {"Enter in a text page", kAutoexec, PressIn("autoex", kEnter), {"Change1Click"}},
      {"Button1", kServices, ClickOn("Button1"), {"Button1Click"}},
      {"Button2", kServices, ClickOn("Button2"), {"Button2Click"}},
      // A pop-up menu's keys belong to its own lists; elsewhere they reach no command.
      {"Del in an edit box", kWinIni, PressIn("load", kDel), {}},
      {"Ins in a text page", kAutoexec, PressIn("autoex", kIns), {}},
      {"Ctrl+S in a text page", kAutoexec, CtrlIn("autoex", 'S'), {}},
      {"Ctrl+R in lsbStart", kGroup, CtrlIn("lsbStart", 'R'), {}},
      {"Ctrl+Z in lsbComSt", kCommon, CtrlIn("lsbComSt", 'Z'), {}},
  };
  for (const auto& [button, handler] : buttons)
    routes.push_back({button, kRegistry, ClickOn(button), {handler}});
  return routes;
}

std::vector<Route> AllRoutes() {
  std::vector<Route> all;
  for (const auto& part :
       {MainMenuRoutes(), RunListRoutes(),
        GroupRoutes(kGroup, "lsbStart", "2", "ToolButton6", "ToolButton7", "ToolButton12"),
        GroupRoutes(kCommon, "lsbComSt", "3", "ToolButton16", "ToolButton17", "ToolButton18"),
        WindowRoutes()}) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

class RoutingTest : public AppTest, public ::testing::WithParamInterface<Route> {
 protected:
  void SetUp() override {
    const SeededShellFolders folders = store.SeedShellFolders();
    store.SetString(Root::LocalMachine, kRunKey, "Tray", "tray.exe");
    store.SetString(Root::LocalMachine, kRunServicesKey, "Spooler", "spool.exe");
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "mail.exe");
    store.AddFile(folders.startup + "\\Notes.lnk", "L");
    store.AddFile(folders.commonStartup + "\\Common.lnk", "L");
  }
};

TEST_P(RoutingTest, ReachesItsHandler) {
  const Route& route = GetParam();
  if (route.windows98)
    store.SetPlatform(PlatformPreset::Windows98);
  std::vector<std::string> reached;
  Start({}, [&] {
    Main().dispatch = [&](Tmform::Handler handler) { reached.push_back(NameOf(handler)); };
    SelectPage(*Main().PageControl1, route.page);
    route.act(MainForm());
  });
  EXPECT_EQ(reached, route.reaches);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RoutingTest, ::testing::ValuesIn(AllRoutes()),
                         [](const ::testing::TestParamInfo<Route>& info) {
                           std::string name;
                           for (const char c : info.param.what)
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// A menu item or toolbar button that the table leaves out would go untested.
TEST_F(AppTest, TheRoutingTableHoldsEveryMenuItemAndToolButton) {
  Tmform& m = Create().mform;
  std::vector<std::string> controls;
  std::function<void(const ui::MenuItem&)> visit = [&](const ui::MenuItem& item) {
    if (item.Count() == 0 && item.Caption() != "-")
      controls.push_back(item.Name());
    for (int i = 0; i < item.Count(); ++i) visit(*item.Item(i));
  };
  auto visitAll = [&](const auto& menu) {
    for (int i = 0; i < menu.Count(); ++i) visit(*menu.Item(i));
  };
  visitAll(*m.MainMenu1);
  for (const ui::PopupMenu* popup : {m.PopupMenu1, m.st_pop, m.comstup}) visitAll(*popup);
  for (const ui::ToolBar* bar : {m.ToolBar1, m.ToolBar2, m.ToolBar3, m.ToolBar4}) {
    for (int i = 0; i < bar->ButtonCount(); ++i) controls.push_back(bar->Button(i)->Name());
  }
  EXPECT_EQ(controls.size(), 27u + 18u);
  const std::vector<Route> routes = AllRoutes();
  for (const std::string& control : controls) {
    EXPECT_TRUE(std::any_of(routes.begin(), routes.end(), [&](const Route& route) {
      return route.what == control;
    })) << control;
  }
}

}  // namespace
}  // namespace tarnix
