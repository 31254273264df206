// Scheduled tasks as a user meets them: a logon task there at the first launch is shown on the
// Tasks page; one that appears after it is reported by the logon check, and Change Back deletes
// it. The tasks are written as the scheduler keeps them, one XML file under system32\Tasks.
#include <gtest/gtest.h>

#include <string>

#include "e2e/support/desktop.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

std::wstring TaskFile(const wchar_t* name) {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system) + L"\\Tasks\\" + name;
}

// The task as the scheduler stores it: UTF-16 with its byte order mark.
bool WriteLogonTask(const wchar_t* name, const std::wstring& command) {
  const std::wstring xml =
      L"\xfeff<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
      L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
      L"<Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>"
      L"<Settings><Enabled>true</Enabled></Settings>"
      L"<Actions Context=\"Author\"><Exec><Command>" +
      command + L"</Command><Arguments>/quiet</Arguments></Exec></Actions></Task>\r\n";
  HANDLE file = CreateFileW(TaskFile(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(xml.size() * sizeof(wchar_t));
  const bool done = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, xml.data(), size, &written, nullptr) && written == size;
  if (file != INVALID_HANDLE_VALUE)
    CloseHandle(file);
  return done;
}

bool TaskExists(const wchar_t* name) {
  return GetFileAttributesW(TaskFile(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class TasksE2E : public ::testing::Test {
 protected:
  void TearDown() override {
    DeleteFileW(TaskFile(L"E2E Task").c_str());
    DeleteFileW(TaskFile(L"E2E Intruder").c_str());
  }
};

TEST_F(TasksE2E, ATaskThereAtTheFirstLaunchIsShownOnTheTasksPage) {
  ASSERT_TRUE(WriteLogonTask(L"E2E Task", L"C:\\e2e\\task.exe"));
  ASSERT_TRUE(SnapshotCurrentState());
  TarnixProcess program;
  HWND main = WaitForMainWindow(program, kStartTime);
  ASSERT_NE(main, nullptr);
  HWND list = WaitForControl(main, L"lsbTasks", kStartTime);
  EXPECT_TRUE(WaitUntil(
      [&] { return ListContains(list, L"\\\tE2E Task\tC:\\e2e\\task.exe /quiet"); }, kShortTime));
  for (int page = 0; page < 9; ++page) PostKey(FindNamedControl(main, L"PageControl1"), VK_RIGHT);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, kShortTime));
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  Sleep(500);
  EXPECT_TRUE(SaveScreenshot(main, L"tasks_page.bmp"));
  PostKey(list, VK_ESCAPE);
  EXPECT_EQ(program.WaitForExit(kStartTime), std::optional<DWORD>(0));
}

TEST_F(TasksE2E, ANewLogonTaskIsReportedAtLogonAndChangeBackDeletesIt) {
  ASSERT_TRUE(WriteLogonTask(L"E2E Task", L"C:\\e2e\\task.exe"));
  ASSERT_TRUE(SnapshotCurrentState());
  ASSERT_TRUE(WriteLogonTask(L"E2E Intruder", L"C:\\e2e\\intruder.exe"));
  CheckRun(L"/c").ChangeBackWhenReported(L"\\E2E Intruder=At logon: C:\\e2e\\intruder.exe /quiet");
  EXPECT_FALSE(TaskExists(L"E2E Intruder"));
  EXPECT_TRUE(TaskExists(L"E2E Task"));
}

}  // namespace
}  // namespace e2e
