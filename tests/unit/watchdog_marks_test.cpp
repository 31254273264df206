// The check of Task Manager's marks, where the time a mark holds is no change.
#include "console/report.h"
#include "platform/registry_keys.h"
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

const std::string kApproved =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";

RegValue Mark(char first, char time = 0) {
  return {regtype::Binary, first + std::string(8, '\0') + time + std::string(2, '\0')};
}

struct MarkKey {
  Root root;
  std::string path;
} const kKeys[] = {{Root::LocalMachine, kApproved + "Run"},
                   {Root::CurrentUser, kApproved + "Run"},
                   {Root::LocalMachine, kApproved + "Run32"},
                   {Root::CurrentUser, kApproved + "StartupFolder"},
                   {Root::LocalMachine, kApproved + "StartupFolder"}};

class MarksCheckTest : public WatchdogTest {
 protected:
  void SetUp() override {
    for (const MarkKey& key : kKeys) {
      store.SetValue(key.root, key.path, "Off", Mark(3, 0x11));
      store.SetValue(key.root, key.path, "On", Mark(2));
    }
    Rebuild();
    TakeSnapshot();
  }
  std::string Heading(const MarkKey& key) { return RootName(key.root) + key.path; }
};

TEST_F(MarksCheckTest, AMarkFlippedEitherWayIsReportedAndChangedBackToTheSnapshotsBytes) {
  for (const MarkKey& key : kKeys) {
    SCOPED_TRACE(Heading(key));
    seen.clear();
    store.SetValue(key.root, key.path, "Off", Mark(6));
    store.SetValue(key.root, key.path, "New", Mark(7, 0x22));
    const ReportOutput json = RunReport(store, "PC", {"/report", "/json"});
    EXPECT_EQ(json.exitCode, kSomethingChanged) << json.err;
    EXPECT_NE(json.out.find(R"("name": "Off", "value": "hex:06,00,00,00,00,00,00,00,00,00,00,00", )"
                            R"("type": "REG_BINARY", "state": "changed", "previous": )"
                            R"("hex:03,00,00,00,00,00,00,00,00,11,00,00", "previousType": )"
                            R"("REG_BINARY", "enabled": true})"),
              std::string::npos);
    OnReportClick(&TForm1::btnCancel);
    EXPECT_TRUE(Check());
    ASSERT_EQ(seen.size(), 1u);
    // Shown with its root short, so that the key's last names fit; logged whole.
    EXPECT_EQ(seen[0].heading, (key.root == Root::CurrentUser ? "HKCU" : "HKLM") + key.path);
    EXPECT_EQ(seen[0].lines, (std::vector<ChangeLine>{{"New=enabled", ChangeMark::Deleted},
                                                      {"Off=disabled", ChangeMark::Deleted},
                                                      {"Off=enabled", ChangeMark::Added},
                                                      {"New=disabled", ChangeMark::Added}}));
    EXPECT_EQ(store.Value(key.root, key.path, "Off"), Mark(3, 0x11));
    EXPECT_EQ(store.Value(key.root, key.path, "On"), Mark(2));
    EXPECT_EQ(store.Value(key.root, key.path, "New"), std::nullopt);
    EXPECT_NE(Log().find("The changes in:" + Heading(key) + " are cancelled"), std::string::npos);
    EXPECT_TRUE(NothingChangedSinceSnapshot(store, ws.catalogue));
  }
}

TEST_F(MarksCheckTest, WhenAMarkWasSetAndAnEnabledMarkForAnUnmarkedEntryAreNoChangeAndOkTakesIt) {
  for (const MarkKey& key : kKeys) {
    store.SetValue(key.root, key.path, "Off", Mark(7, 0x33));
    store.SetValue(key.root, key.path, "Fresh", Mark(2));
    ASSERT_TRUE(store.OpenKey(key.root, key.path, false)->DeleteValue("On"));
  }
  EXPECT_TRUE(NothingChangedSinceSnapshot(store, ws.catalogue));
  EXPECT_FALSE(Check());
  ASSERT_TRUE(store.OpenKey(kKeys[1].root, kKeys[1].path, false)->DeleteValue("Off"));
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.Value(kKeys[1].root, kKeys[1].path, "Off"), std::nullopt);
  EXPECT_TRUE(NothingChangedSinceSnapshot(store, ws.catalogue));
}

TEST_F(MarksCheckTest, ASnapshotFromBeforeTheMarksWereWatchedTakesThemInQuietlyWithOneLogLine) {
  for (const StartupSection* section : ws.catalogue.OfKind(kindMarks))
    ASSERT_TRUE(store.DeleteKey(Root::LocalMachine, SnapshotKeyPath(section->key)));
  store.SetValue(kKeys[2].root, kKeys[2].path, "On", Mark(3));
  EXPECT_FALSE(NothingChangedSinceSnapshot(store, ws.catalogue));
  EXPECT_FALSE(Check());
  EXPECT_TRUE(seen.empty());
  const std::string line =
      "Taken into the snapshot without a report, as it held nothing of them yet: ";
  EXPECT_NE(Log().find(line + Heading(kKeys[0])), std::string::npos);
  EXPECT_NE(Log().find(Heading(kKeys[4]) + "\r\n"), std::string::npos);
  EXPECT_TRUE(NothingChangedSinceSnapshot(store, ws.catalogue));
  store.SetValue(kKeys[2].root, kKeys[2].path, "On", Mark(2));
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.Value(kKeys[2].root, kKeys[2].path, "On"), Mark(3));
}

}  // namespace
}  // namespace tarnix
