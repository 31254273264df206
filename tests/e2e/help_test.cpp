// Help as a user meets it: F1 in the main window and in the change report opens the program's
// own help window at that window's topic, and no help viewer or missing-file question appears.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

const wchar_t kValueName[] = L"E2E Help";

std::wstring FirstLine(const std::wstring& text) {
  return text.substr(0, text.find_first_of(L"\r\n"));
}

// The help window of the process once it shows the topic with this title; null otherwise.
HWND WaitForHelpTopic(DWORD processId, const std::wstring& title) {
  HWND help = nullptr;
  WaitUntil(
      [&] {
        help = FindProcessWindow(processId, L"TfrmHelp");
        HWND text = help ? FindNamedControl(help, L"txtTopic") : nullptr;
        return text && FirstLine(WindowText(text)) == title;
      },
      kShortTime);
  return help;
}

TEST(HelpTest, F1InTheMainWindowOpensTheHelpAtTheMainWindowsTopic) {
  MainWindow run;
  HWND main = run.main;
  ASSERT_NE(main, nullptr);
  PostKey(FindNamedControl(main, L"ListBox3"), VK_F1);
  HWND help = WaitForHelpTopic(run.process.Id(), L"Tarnix II");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(WindowText(help), L"Tarnix II Help");
  EXPECT_TRUE(IsWindowEnabled(help));
  EXPECT_TRUE(ListContains(FindNamedControl(help, L"lsbTopics"), L"The history log"));
  EXPECT_TRUE(ListContains(FindNamedControl(help, L"lsbSeeAlso"), L"The Registry page"));
  EXPECT_EQ(FindProcessWindow(run.process.Id(), L"#32770"), nullptr) << "no message box";
  EXPECT_TRUE(SaveScreenshot(help, L"help_main_window.bmp"));

  PostKey(FindNamedControl(help, L"lsbTopics"), VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(help); }, kShortTime));
  run.EndWithEsc();
}

TEST(HelpTest, F1InTheChangeReportOpensTheHelpAtTheReportsTopic) {
  DeleteValue(HKEY_CURRENT_USER, kRunPath, kValueName);
  ASSERT_TRUE(SnapshotCurrentState());
  ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunPath, kValueName, L"C:\\e2e\\help.exe"));
  CheckRun run;
  HWND report = run.WaitForReport();
  ASSERT_NE(report, nullptr);
  PostKey(WaitForControl(report, L"ListBox1", kShortTime), VK_F1);
  HWND help = WaitForHelpTopic(run.Id(), L"Attention! Tarnix find out changes!");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(IsWindowEnabled(help)) << "the help can be read beside the modal report";
  EXPECT_TRUE(IsWindowVisible(report));
  EXPECT_EQ(FindProcessWindow(run.Id(), L"#32770"), nullptr) << "no message box";
  EXPECT_TRUE(SaveScreenshot(help, L"help_change_report.bmp"));

  Click(report, L"btnCancel");
  EXPECT_EQ(run.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_TRUE(run.boxes.empty());
  DeleteValue(HKEY_CURRENT_USER, kRunPath, kValueName);
}

}  // namespace
}  // namespace e2e
