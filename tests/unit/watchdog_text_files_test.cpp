// Text files the page cannot show or read: never write back what nobody has seen.
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

using ui::headless::Click;
using Lines = std::vector<std::string>;

// A winstart.bat of 10,000 lines with a NUL byte in line 5,001.
std::string LongFileWithNul(const std::string& appended = "") {
  std::string bytes;
  for (int i = 1; i <= 10000; ++i) {
    std::string line = "rem line " + std::to_string(i);
    if (i == 5001)
      line += std::string(1, '\0') + "hidden";
    bytes += line + "\r\n";
  }
  return bytes + appended;
}

class TextFilesTest : public WatchdogTest {
 protected:
  void SetUp() override {
    store.AddFile(Winstart(), LongFileWithNul());
    Rebuild();
    TakeSnapshot();
  }
};

TEST_F(TextFilesTest, APageThatCannotShowItsFileIsReadOnlySaysWhyAndIsNeverWrittenBack) {
  ui::TextPage& page = *ws.views.winstart;
  EXPECT_TRUE(page.ReadOnly());
  EXPECT_EQ(page.Lines().size(), 5001u);
  EXPECT_EQ(ws.views.status->PanelText(0),
            Winstart() +
                " is shown read-only: from line 5001 on it holds what the page cannot "
                "show.");

  ui::headless::TypeText(*mainForm, "x");
  UserEdit(page, {"x"});
  SaveAll(ws);
  EXPECT_EQ(store.FileBytes(Winstart()), LongFileWithNul());
  EXPECT_EQ(SnapshotLines("Winstart")->size(), 10000u);

  store.AddFile(Winstart(), "@echo off\r\n");
  Rebuild();
  EXPECT_FALSE(page.ReadOnly());
  EXPECT_EQ(ws.views.status->PanelText(0), "");
}

TEST_F(TextFilesTest, ChangeBackRestoresTheWholeFileBeyondTheNul) {
  store.AddFile(Winstart(), LongFileWithNul("start intruder.exe\r\n"));
  Rebuild();
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.FileBytes(Winstart()), LongFileWithNul());
}

using UnreadableTextTest = WatchdogTest;

TEST_F(UnreadableTextTest, AFirstLaunchMakesNoSnapshotForItSoItCanNeverBeEmptiedLater) {
  store.AddFile(Winstart(), "@echo off\r\nrem one\r\n");
  store.SetFileFault(Winstart(), FileFault::Unreadable);
  Rebuild();
  EXPECT_FALSE(Check());
  EXPECT_EQ(firstLaunches, 1);
  EXPECT_TRUE(WasShown(
      "These places could not be read, so they were left out of the snapshot and keep the one "
      "they had:\r\n" +
      Winstart() + "\r\n"));
  EXPECT_EQ(SnapshotLines("Winstart"), std::nullopt);

  // Readable again: the lines are reported, but nothing offers to empty the file.
  store.ClearFaults();
  Rebuild();
  OnReport([](TForm1& r) {
    EXPECT_FALSE(r.btnCancel->Enabled());
    Click(*r.BitBtn1);
  });
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem one\r\n");
}

}  // namespace
}  // namespace tarnix
