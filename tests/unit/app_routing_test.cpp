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

#define TARNIX_HANDLER(name) \
  { &Tmform::name, #name }
const std::pair<Tmform::Handler, const char*> kHandlers[] = {
    TARNIX_HANDLER(Checkit1Click),
    TARNIX_HANDLER(Save1Click),
    TARNIX_HANDLER(N13Click),
    TARNIX_HANDLER(Createshortcutondesktop1Click),
    TARNIX_HANDLER(CreateshortcutinProgramsmenu1Click),
    TARNIX_HANDLER(Showhistorylog1Click),
    TARNIX_HANDLER(Clearhistorylog1Click),
    TARNIX_HANDLER(N12Click),
    TARNIX_HANDLER(N14Click),
    TARNIX_HANDLER(N6Click),
    TARNIX_HANDLER(Find1Click),
    TARNIX_HANDLER(FindNext1Click),
    TARNIX_HANDLER(N17Click),
    TARNIX_HANDLER(N8Click),
    TARNIX_HANDLER(N9Click),
    TARNIX_HANDLER(Delete1Click),
    TARNIX_HANDLER(Add1Click),
    TARNIX_HANDLER(Change1Click),
    TARNIX_HANDLER(Undo1Click),
    TARNIX_HANDLER(Undofromprevioussessions1Click),
    TARNIX_HANDLER(Saveallkeystofile1Click),
    TARNIX_HANDLER(Delete2Click),
    TARNIX_HANDLER(Add2Click),
    TARNIX_HANDLER(Change2Click),
    TARNIX_HANDLER(Delete3Click),
    TARNIX_HANDLER(Add3Click),
    TARNIX_HANDLER(Change3Click),
    TARNIX_HANDLER(FormClose),
    TARNIX_HANDLER(ShowVersion),
    TARNIX_HANDLER(Button1Click),
    TARNIX_HANDLER(Button2Click),
};
#undef TARNIX_HANDLER

std::string NameOf(Tmform::Handler handler) {
  for (const auto& [known, name] : kHandlers) {
    if (known == handler) {
      return name;
    }
  }
  return "(a handler that is no command)";
}

Act Choose(const std::string& item) {
  return [item](ui::Form& form) { Click(FindMenuItem(form, item)); };
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
// The key pressed where the focus is when the window appears.
Act Press(int key, ui::ShiftState shift = {}) {
  return [key, shift](ui::Form& form) { PressKey(form, key, shift); };
}
Act PressIn(const std::string& control, int key, ui::ShiftState shift = {}) {
  return [control, key, shift](ui::Form& form) {
    Focus(Get<ui::Control>(form, control));
    PressKey(form, key, shift);
  };
}
Act CloseTheWindow() {
  return [](ui::Form& form) { CloseBox(form); };
}

constexpr ui::ShiftState kCtrl{false, true, false};
constexpr ui::ShiftState kAlt{false, false, true};
constexpr int kDel = ui::vk::Delete, kIns = ui::vk::Insert, kEnter = ui::vk::Return;

std::vector<Route> MainMenuRoutes() {
  return {
      {"Checkit1", kRegistry, Choose("Checkit1"), {"Checkit1Click"}},
      {"Save1", kRegistry, Choose("Save1"), {"Save1Click"}},
      {"N13", kRegistry, Choose("N13"), {"N13Click"}},
      {"Createshortcutondesktop1",
       kRegistry,
       Choose("Createshortcutondesktop1"),
       {"Createshortcutondesktop1Click"}},
      {"CreateshortcutinProgramsmenu1",
       kRegistry,
       Choose("CreateshortcutinProgramsmenu1"),
       {"CreateshortcutinProgramsmenu1Click"}},
      {"Showhistorylog1", kRegistry, Choose("Showhistorylog1"), {"Showhistorylog1Click"}},
      {"Clearhistorylog1", kRegistry, Choose("Clearhistorylog1"), {"Clearhistorylog1Click"}},
      {"N12", kRegistry, Choose("N12"), {"N12Click"}},
      {"N14", kRegistry, Choose("N14"), {"N14Click"}},
      {"N6", kRegistry, Choose("N6"), {"N6Click"}},
      {"Find1", kRegistry, Choose("Find1"), {"Find1Click"}},
      {"FindNext1", kRegistry, Choose("FindNext1"), {"FindNext1Click"}},
      {"N17", kRegistry, Choose("N17"), {"N17Click"}},
      {"N8", kRegistry, Choose("N8"), {"N8Click"}},
      {"N9", kRegistry, Choose("N9"), {"N9Click"}},
      {"F9", kRegistry, Press(ui::vk::F9), {"Checkit1Click"}},
      {"F2", kRegistry, Press(ui::vk::F2), {"Save1Click"}},
      {"Alt+X", kRegistry, Press(ui::vk::Key('X'), kAlt), {"N6Click"}},
      {"Ctrl+F", kRegistry, Press(ui::vk::Key('F'), kCtrl), {"Find1Click"}},
      {"F3", kRegistry, Press(ui::vk::F3), {"FindNext1Click"}},
      {"F5", kRegistry, Press(ui::vk::F5), {"N17Click"}},
      {"F1", kRegistry, Press(ui::vk::F1), {"N8Click"}},
  };
}

std::vector<Route> RunListRoutes() {
  std::vector<Route> routes = {
      {"Delete1", kRegistry, ChooseFromList("ListBox1", "Delete1"), {"Delete1Click"}},
      {"Add1", kRegistry, ChooseFromList("ListBox3", "Add1"), {"Add1Click"}},
      {"Change1", kRegistry, ChooseFromList("ListBox1", "Change1"), {"Change1Click"}},
      {"Undo1", kRegistry, ChooseFromList("ListBox3", "Undo1"), {"Undo1Click"}},
      {"Undofromprevioussessions1",
       kRegistry,
       ChooseFromList("ListBox1", "Undofromprevioussessions1"),
       {"Undofromprevioussessions1Click"}},
      {"Saveallkeystofile1",
       kRegistry,
       ChooseFromList("ListBox3", "Saveallkeystofile1"),
       {"Saveallkeystofile1Click"}},
      {"ToolButton1", kRegistry, ClickOn("ToolButton1"), {"Delete1Click"}},
      {"ToolButton2", kRegistry, ClickOn("ToolButton2"), {"Change1Click"}},
      {"ToolButton3", kRegistry, ClickOn("ToolButton3"), {"Add1Click"}},
      {"ToolButton4", kRegistry, ClickOn("ToolButton4"), {"Undo1Click"}},
      {"ToolButton5", kRegistry, ClickOn("ToolButton5"), {"Saveallkeystofile1Click"}},
      {"ToolButton15", kRegistry, ClickOn("ToolButton15"), {"Undofromprevioussessions1Click"}},
  };
  for (const std::string list : {"ListBox1", "ListBox2", "ListBox3"}) {
    const bool windows98 = list == "ListBox2";
    const std::vector<Route> keys = {
        {"Del in " + list, kRegistry, PressIn(list, kDel), {"Delete1Click"}, windows98},
        {"Ins in " + list, kRegistry, PressIn(list, kIns), {"Add1Click"}, windows98},
        {"Ctrl+Z in " + list,
         kRegistry,
         PressIn(list, ui::vk::Key('Z'), kCtrl),
         {"Undo1Click"},
         windows98},
        {"Ctrl+R in " + list,
         kRegistry,
         PressIn(list, ui::vk::Key('R'), kCtrl),
         {"Undofromprevioussessions1Click"},
         windows98},
        {"Ctrl+S in " + list,
         kRegistry,
         PressIn(list, ui::vk::Key('S'), kCtrl),
         {"Saveallkeystofile1Click"},
         windows98},
        {"Enter in " + list, kRegistry, PressIn(list, kEnter), {"Change1Click"}, windows98},
        {"Double click on " + list, kRegistry, DoubleClickOn(list), {"Change1Click"}, windows98},
    };
    routes.insert(routes.end(), keys.begin(), keys.end());
  }
  return routes;
}

// Enter in a startup group reaches the run-list edit through the window's key preview first;
// that one does nothing there, as no run list has the focus.
std::vector<Route> GroupRoutes() {
  return {
      {"Delete2", kGroup, ChooseFromList("lsbStart", "Delete2"), {"Delete2Click"}},
      {"Add2", kGroup, ChooseFromList("lsbStart", "Add2"), {"Add2Click"}},
      {"Change2", kGroup, ChooseFromList("lsbStart", "Change2"), {"Change2Click"}},
      {"ToolButton6", kGroup, ClickOn("ToolButton6"), {"Delete2Click"}},
      {"ToolButton7", kGroup, ClickOn("ToolButton7"), {"Change2Click"}},
      {"ToolButton12", kGroup, ClickOn("ToolButton12"), {"Add2Click"}},
      {"Del in lsbStart", kGroup, PressIn("lsbStart", kDel), {"Delete2Click"}},
      {"Ins in lsbStart", kGroup, PressIn("lsbStart", kIns), {"Add2Click"}},
      {"Enter in lsbStart", kGroup, PressIn("lsbStart", kEnter), {"Change1Click", "Change2Click"}},
      {"Double click on lsbStart", kGroup, DoubleClickOn("lsbStart"), {"Change2Click"}},
      {"Delete3", kCommon, ChooseFromList("lsbComSt", "Delete3"), {"Delete3Click"}},
      {"Add3", kCommon, ChooseFromList("lsbComSt", "Add3"), {"Add3Click"}},
      {"Change3", kCommon, ChooseFromList("lsbComSt", "Change3"), {"Change3Click"}},
      {"ToolButton16", kCommon, ClickOn("ToolButton16"), {"Delete3Click"}},
      {"ToolButton17", kCommon, ClickOn("ToolButton17"), {"Change3Click"}},
      {"ToolButton18", kCommon, ClickOn("ToolButton18"), {"Add3Click"}},
      {"Del in lsbComSt", kCommon, PressIn("lsbComSt", kDel), {"Delete3Click"}},
      {"Ins in lsbComSt", kCommon, PressIn("lsbComSt", kIns), {"Add3Click"}},
      {"Enter in lsbComSt", kCommon, PressIn("lsbComSt", kEnter), {"Change1Click", "Change3Click"}},
      {"Double click on lsbComSt", kCommon, DoubleClickOn("lsbComSt"), {"Change3Click"}},
  };
}

std::vector<Route> WindowRoutes() {
  return {
      {"ToolButton8", kRegistry, ClickOn("ToolButton8"), {"Checkit1Click"}},
      {"ToolButton9", kRegistry, ClickOn("ToolButton9"), {"Save1Click"}},
      {"ToolButton10", kRegistry, ClickOn("ToolButton10"), {"Find1Click"}},
      {"ToolButton11", kRegistry, ClickOn("ToolButton11"), {"N17Click"}},
      {"ToolButton13", kRegistry, ClickOn("ToolButton13"), {"N8Click"}},
      {"ToolButton14", kRegistry, ClickOn("ToolButton14"), {"FormClose"}},
      {"The close box", kRegistry, CloseTheWindow(), {"FormClose"}},
      {"Esc", kRegistry, Press(ui::vk::Escape), {"N6Click"}},
      {"Esc in a text page", kAutoexec, PressIn("autoex", ui::vk::Escape), {"N6Click"}},
      {"Enter in a text page", kAutoexec, PressIn("autoex", kEnter), {"Change1Click"}},
      {"btnWins", kRegistry, ClickOn("btnWins"), {"ShowVersion"}},
      {"Button1", kServices, ClickOn("Button1"), {"Button1Click"}},
      {"Button2", kServices, ClickOn("Button2"), {"Button2Click"}},
      // A pop-up menu's keys belong to its own lists; elsewhere they reach no command.
      {"Del in an edit box", kWinIni, PressIn("load", kDel), {}},
      {"Ins in a text page", kAutoexec, PressIn("autoex", kIns), {}},
      {"Ctrl+S in a text page", kAutoexec, PressIn("autoex", ui::vk::Key('S'), kCtrl), {}},
      {"Ctrl+R in lsbStart", kGroup, PressIn("lsbStart", ui::vk::Key('R'), kCtrl), {}},
      {"Ctrl+Z in lsbComSt", kCommon, PressIn("lsbComSt", ui::vk::Key('Z'), kCtrl), {}},
  };
}

std::vector<Route> AllRoutes() {
  std::vector<Route> all;
  for (const auto& part : {MainMenuRoutes(), RunListRoutes(), GroupRoutes(), WindowRoutes()}) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

std::string TestName(const ::testing::TestParamInfo<Route>& info) {
  std::string name;
  for (const char c : info.param.what) {
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return name;
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
  if (route.windows98) {
    store.SetPlatform(PlatformPreset::Windows98);
  }
  std::vector<std::string> reached;
  Start({}, [&] {
    Main().dispatch = [&](Tmform::Handler handler) { reached.push_back(NameOf(handler)); };
    SelectPage(*Main().PageControl1, route.page);
    route.act(MainForm());
  });
  EXPECT_EQ(reached, route.reaches);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RoutingTest, ::testing::ValuesIn(AllRoutes()), TestName);

class RoutingTableTest : public AppTest {};

// A menu item or toolbar button that the table leaves out would go untested.
TEST_F(RoutingTableTest, HoldsEveryMenuItemAndToolButton) {
  Tmform& m = Create().mform;
  std::vector<std::string> controls;
  std::function<void(const ui::MenuItem&)> visit = [&](const ui::MenuItem& item) {
    if (item.Count() == 0 && item.Caption() != "-") {
      controls.push_back(item.Name());
    }
    for (int i = 0; i < item.Count(); ++i) {
      visit(*item.Item(i));
    }
  };
  for (int i = 0; i < m.MainMenu1->Count(); ++i) {
    visit(*m.MainMenu1->Item(i));
  }
  for (const ui::PopupMenu* popup : {m.PopupMenu1, m.st_pop, m.comstup}) {
    for (int i = 0; i < popup->Count(); ++i) {
      visit(*popup->Item(i));
    }
  }
  for (const ui::ToolBar* bar : {m.ToolBar1, m.ToolBar2, m.ToolBar3, m.ToolBar4}) {
    for (int i = 0; i < bar->ButtonCount(); ++i) {
      controls.push_back(bar->Button(i)->Name());
    }
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
