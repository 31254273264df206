// Which handler each item, key, button, double click and the close box reach; X reaches XClick.
#include <cctype>
#include <ostream>
#include <tuple>

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
    TARNIX_HANDLER(Button1Click), TARNIX_HANDLER(Button2Click), TARNIX_HANDLER(N22Click),
    TARNIX_HANDLER(N23Click), TARNIX_HANDLER(Disable1Click), TARNIX_HANDLER(Enable1Click),
    TARNIX_HANDLER(Disable2Click), TARNIX_HANDLER(Enable2Click), TARNIX_HANDLER(Disable3Click),
    TARNIX_HANDLER(Enable3Click));
#undef TARNIX_HANDLER

std::string NameOf(Tmform::Handler handler) {
  for (const auto& [known, name] : kHandlers) {
    if (known == handler)
      return name;
  }
  return "(a handler that is no command)";
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
// From a pop-up menu's list, the item is chosen after a right click on that list.
Act ChooseFrom(const std::string& list, const std::string& item) {
  return [list, item](ui::Form& form) {
    if (!list.empty())
      MouseDown(Get<ui::Control>(form, list), ui::MouseButton::Right);
    Click(FindMenuItem(form, item));
  };
}
Act CtrlIn(const std::string& control, char letter) {
  return PressIn(control, ui::vk::Key(letter), {false, true, false});
}

std::string KeyName(const ui::Shortcut& key) {
  return std::string(key.shift.ctrl ? "Ctrl+" : "") + (key.shift.alt ? "Alt+" : "") + "key " +
         std::to_string(key.vk);
}

// Every menu item, by a click and by its shortcut in each list.
template <class Menu>
void AddMenuRoutes(std::vector<Route>& routes, const Menu& menu, Page page,
                   const std::vector<std::string>& lists) {
  for (int i = 0; i < menu.Count(); ++i) {
    const ui::MenuItem& item = *menu.Item(i);
    AddMenuRoutes(routes, item, page, lists);
    const std::string name = item.Name(), handler = name + "Click";
    if (item.Count() > 0 || item.Caption() == "-")
      continue;
    routes.push_back({name, page, ChooseFrom(lists.front(), name), {handler}});
    const ui::Shortcut key = item.GetShortcut();
    for (const std::string& list : key.vk != 0 ? lists : std::vector<std::string>{}) {
      const std::string where = list.empty() ? "the window" : list;
      routes.push_back(
          {KeyName(key) + " in " + where, page, PressIn(list, key.vk, key.shift), {handler}});
    }
  }
}

std::vector<Route> AllRoutes() {
  MemoryStore store;
  HeadlessToolkit kit;
  kit.SetAutoAcknowledge(true);
  const Program made(store, kit);
  const Tmform& m = made.mform;
  std::vector<Route> routes;
  AddMenuRoutes(routes, *m.MainMenu1, kRegistry, {""});
  AddMenuRoutes(routes, *m.PopupMenu1, kRegistry, {"ListBox1", "ListBox2", "ListBox3"});
  AddMenuRoutes(routes, *m.st_pop, kGroup, {"lsbStart"});
  AddMenuRoutes(routes, *m.comstup, kCommon, {"lsbComSt"});
  for (const std::string list : {"ListBox1", "ListBox2", "ListBox3"}) {
    routes.push_back(
        {"Enter in " + list, kRegistry, PressIn(list, ui::vk::Return), {"Change1Click"}});
    routes.push_back(
        {"Double click on " + list, kRegistry, DoubleClickOn(list), {list + "DblClick"}});
  }
  // Enter in a startup group reaches the run-list edit through the window's key preview first;
  // that one does nothing there, as no run list has the focus.
  for (const auto& [page, list, change] : {std::tuple{kGroup, "lsbStart", "Change2Click"},
                                           std::tuple{kCommon, "lsbComSt", "Change3Click"}}) {
    routes.push_back({std::string("Enter in ") + list,
                      page,
                      PressIn(list, ui::vk::Return),
                      {"Change1Click", change}});
    routes.push_back({std::string("Double click on ") + list, page, DoubleClickOn(list), {change}});
  }
  // Each button and the handler it reaches, by page.
  const std::pair<Page, std::vector<const char*>> buttons[] = {
      {kRegistry,
       {"ToolButton1",  "Delete1Click",     "ToolButton2",  "Change1Click",
        "ToolButton3",  "Add1Click",        "ToolButton4",  "Undo1Click",
        "ToolButton5",  "ToolButton5Click", "ToolButton15", "Undofromprevioussessions1Click",
        "ToolButton8",  "Checkit1Click",    "ToolButton9",  "Save1Click",
        "ToolButton10", "Find1Click",       "ToolButton11", "N17Click",
        "ToolButton13", "N8Click",          "ToolButton14", "FormClose",
        "ToolButton21", "Disable1Click",    "ToolButton22", "Enable1Click",
        "btnWins",      "ShowVersion"}},
      {kGroup,
       {"ToolButton6", "Delete2Click", "ToolButton7", "Change2Click", "ToolButton12", "Add2Click",
        "ToolButton23", "Disable2Click", "ToolButton24", "Enable2Click"}},
      {kCommon,
       {"ToolButton16", "Delete3Click", "ToolButton17", "Change3Click", "ToolButton18", "Add3Click",
        "ToolButton25", "Disable3Click", "ToolButton26", "Enable3Click"}},
      {kServices, {"Button1", "Button1Click", "Button2", "Button2Click"}}};
  for (const auto& [page, pairs] : buttons) {
    for (size_t i = 0; i < pairs.size(); i += 2)
      routes.push_back({pairs[i], page, ClickOn(pairs[i]), {pairs[i + 1]}});
  }
  const std::vector<Route> window = {
      {"The close box", kRegistry, [](ui::Form& form) { CloseBox(form); }, {"FormClose"}},
      {"Esc", kRegistry, PressIn("", ui::vk::Escape), {"N6Click"}},
      {"Esc in a text page", kAutoexec, PressIn("autoex", ui::vk::Escape), {"N6Click"}},
      {"Enter in a text page", kAutoexec, PressIn("autoex", ui::vk::Return), {"Change1Click"}},
      // A pop-up menu's keys belong to its own lists; elsewhere they reach no command.
      {"Del in an edit box", kWinIni, PressIn("load", ui::vk::Delete), {}},
      {"Ins in a text page", kAutoexec, PressIn("autoex", ui::vk::Insert), {}},
      {"Ctrl+S in a text page", kAutoexec, CtrlIn("autoex", 'S'), {}},
      {"Ctrl+R in lsbStart", kGroup, CtrlIn("lsbStart", 'R'), {}},
      {"Ctrl+Z in lsbComSt", kCommon, CtrlIn("lsbComSt", 'Z'), {}},
  };
  routes.insert(routes.end(), window.begin(), window.end());
  return routes;
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
  // The RunServices list can be used on Windows 98 only, the common group on NT only.
  if (route.what.find("ListBox2") != std::string::npos)
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

}  // namespace
}  // namespace tarnix
