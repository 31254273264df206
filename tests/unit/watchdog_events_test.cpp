// The change check's events in the system's event log.
#include <algorithm>
#include <ostream>

#include "fakes/event_log_memory.h"
#include "unit/user.h"
#include "watchdog/check_events.h"
#include "watchdog_fixture.h"

namespace tarnix {

void PrintTo(const LogEvent& event, std::ostream* out) {
  *out << event.id << " " << static_cast<int>(event.type) << " \"" << event.text << "\"";
}

namespace {

using ui::headless::Click;

const char kWinlogon[] = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

class EventsTest : public WatchdogTest {
 public:
  void SetUp() override {
    store.AddFile(Winstart(), "@echo off\r\nrem one\r\n");
    store.SetString(Root::CurrentUser, kRun, "Tool", "tool.exe");
    store.SetString(Root::LocalMachine, kWinlogon, "Shell", "explorer.exe");
    EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "a.exe"));
    Rebuild();
    TakeSnapshot();
    ws.events = &events;
  }
  using WatchdogTest::Winstart;
  std::string UserRun() { return Place("HKCU_Run"); }
  std::string Winlogon() { return Place("Winlogon"); }
  std::string Load() { return Place("Winini") + " Parameter Load="; }
  void ChangeWinstart() { store.AddFile(Winstart(), "@echo off\r\nrem two\r\n"); }
  void AddIntruder() { store.SetString(Root::CurrentUser, kRun, "Intruder", "evil.exe"); }
  void ChangeShell() { store.SetString(Root::LocalMachine, kWinlogon, "Shell", "evil.exe"); }
  void ChangeLoad() {
    EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "b.exe"));
  }

  MemoryEventLog events;
};

TEST_F(EventsTest, OneEventNamesEveryChangedPlaceBeforeTheFirstReportWaits) {
  ChangeWinstart();
  AddIntruder();
  ChangeShell();
  ChangeLoad();
  Rebuild();
  std::vector<size_t> eventsAtReport;
  for (int i = 0; i < 4; ++i) {
    OnReport([&](TForm1& r) {
      eventsAtReport.push_back(events.events.size());
      Click(*r.BitBtn1);
    });
  }
  EXPECT_TRUE(Check());
  EXPECT_EQ(eventsAtReport, (std::vector<size_t>{1, 1, 1, 1}));
  const std::string text = Winstart() + "\r\n- rem one\r\n+ rem two\r\n\r\n" + UserRun() +
                           "\r\n+ evil.exe\r\n\r\n" + Winlogon() +
                           "\r\n- Shell=explorer.exe\r\n+ Shell=evil.exe\r\n\r\n" + Load() +
                           "\r\n- a.exe\r\n+ b.exe\r\n";
  EXPECT_EQ(events.events, (std::vector<LogEvent>{{1000, EventType::Warning, text}}));
}

// A mark is named in the event as its report shows it: the entry and its state.
TEST_F(EventsTest, AMarkEnabledAgainIsNamedByItsState) {
  const RunKeyLocation marks = MarkKeyLocation(SectionId::HkcuRunMarks);
  store.SetValue(marks.root, marks.path, "Tool", RegValue{regtype::Binary, std::string(12, '\3')});
  TakeSnapshot();
  store.SetValue(marks.root, marks.path, "Tool", RegValue{regtype::Binary, std::string(12, '\0')});
  Rebuild();
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  ASSERT_FALSE(events.events.empty());
  EXPECT_EQ(events.events[0].text,
            Place("HKCU_RunMarks") + "\r\n- Tool=disabled\r\n+ Tool=enabled\r\n");
}

struct Decision {
  const char* name;
  void (EventsTest::*change)();
  ui::Button* TForm1::*button;
  uint32_t id;
  std::string (EventsTest::*place)();
  const char* lines;
};

class DecisionEventsTest : public EventsTest, public ::testing::WithParamInterface<Decision> {};

TEST_P(DecisionEventsTest, EachDecisionWritesItsEventWithThePlaceAndItsLines) {
  const Decision& d = GetParam();
  (this->*d.change)();
  Rebuild();
  OnReportClick(d.button);
  EXPECT_TRUE(Check());
  ASSERT_EQ(events.events.size(), 2u);
  EXPECT_EQ(events.events[1],
            (LogEvent{d.id, EventType::Information, (this->*d.place)() + d.lines}));
  EXPECT_TRUE(Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Events, DecisionEventsTest,
    ::testing::Values(Decision{"RunConfirmed", &EventsTest::AddIntruder, &TForm1::BitBtn2, 1001,
                               &EventsTest::UserRun, "\r\n+ evil.exe\r\n"},
                      Decision{"RunChangedBack", &EventsTest::AddIntruder, &TForm1::btnCancel, 1002,
                               &EventsTest::UserRun, "\r\n+ evil.exe\r\n"},
                      Decision{"WinlogonChangedBack", &EventsTest::ChangeShell, &TForm1::btnCancel,
                               1002, &EventsTest::Winlogon,
                               "\r\n- Shell=explorer.exe\r\n+ Shell=evil.exe\r\n"},
                      Decision{"TextChangedBack", &EventsTest::ChangeWinstart, &TForm1::btnCancel,
                               1002, &EventsTest::Winstart, "\r\n- rem one\r\n+ rem two\r\n"},
                      Decision{"TextListSaved", &EventsTest::ChangeWinstart, &TForm1::btnSave, 1003,
                               &EventsTest::Winstart, "\r\n@echo off\r\nrem one\r\nrem two\r\n"},
                      Decision{"LoadConfirmed", &EventsTest::ChangeLoad, &TForm1::BitBtn2, 1001,
                               &EventsTest::Load, "\r\n- a.exe\r\n+ b.exe\r\n"},
                      Decision{"LoadListSaved", &EventsTest::ChangeLoad, &TForm1::btnSave, 1003,
                               &EventsTest::Load, "\r\nb.exe\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The event comes from the check's own comparison: naming the changes reads nothing more.
TEST_F(EventsTest, TheEventCostsTheCheckNoReadOfItsOwn) {
  ChangeWinstart();
  AddIntruder();
  Rebuild();
  const auto calls = [this](EventSink* log) {
    ws.events = log;
    for (int i = 0; i < 2; ++i) OnReport([](TForm1& r) { Click(*r.BitBtn1); });
    store.FailCall(0, StoreFailure::None);
    EXPECT_TRUE(Check());
    return store.Calls();
  };
  calls(nullptr);  // the first check also makes what later ones find made
  EXPECT_EQ(calls(&events), calls(nullptr));
  EXPECT_EQ(events.events.size(), 1u);
}

TEST_F(EventsTest, NothingChangedWritesNoneAndAPlaceNotComparedOrACheckThatStopsAFailure) {
  EXPECT_FALSE(Check());
  EXPECT_TRUE(events.events.empty());
  store.SetFileFault(Winstart(), FileFault::Unreadable);
  Rebuild();
  const std::string why = "Cannot read " + Winstart() + ", so it was not checked.";
  EXPECT_FALSE(Check());
  EXPECT_EQ(events.events, (std::vector<LogEvent>{{1004, EventType::Error, why + "\r\n"}}));
  EXPECT_EQ(ErrorTexts(), std::vector<std::string>{why});
  store.SetFileFault(Winstart(), FileFault::Locked);
  UserEdit(*ws.views.winstart, {"rem typed"});
  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  EXPECT_THROW(Check(), StoreError);
  const std::string stop = "The check did not run, so that the edits that were not saved are kept.";
  EXPECT_EQ(events.events, (std::vector<LogEvent>{{1004, EventType::Error, why + "\r\n"},
                                                  {1004, EventType::Error, stop + "\r\n"}}));
}

TEST_F(EventsTest, ALogThatRefusesEveryEventChangesNothingTheUserSees) {
  events.refuse = true;
  ChangeWinstart();
  Rebuild();
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  EXPECT_TRUE(toolkit.Messages().empty());
  EXPECT_EQ(SnapshotLines("Winstart"), (std::vector<std::string>{"@echo off", "rem two"}));
  EXPECT_NE(Log().find(" are confirmed"), std::string::npos);
}

TEST(EventText, LinesBeyondWhatOneEventHoldsAreCounted) {
  const std::vector<std::string> lines(5000, std::string(20, 'x'));
  const std::string text = EventText({{"First", lines}, {"Second", {"y"}}});
  EXPECT_LE(text.size(), 31839u);
  const auto shown = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) - 1;
  const std::string tail = "(" + std::to_string(5003 - shown) + " more lines)\r\n";
  EXPECT_GT(shown, 1000u);
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

}  // namespace
}  // namespace tarnix
