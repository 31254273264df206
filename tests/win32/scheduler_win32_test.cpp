// The Task Scheduler under Wine: the shared suite, on tasks this program registers through
// ITaskFolder::RegisterTask in a folder of its own. What Wine's scheduler lacks is skipped by
// the suite once it has seen the operation fail with a text.
#include <windows.h>

#include <taskschd.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/com_win32.h"
#include "conformance/scheduler_conformance.h"
#include "platform/scheduler_win32.h"

namespace tarnix {
namespace {

bool UnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : std::string(1, c);
  return out;
}

std::string Element(const std::string& name, const std::string& text) {
  return text.empty() ? "" : "<" + name + ">" + Escaped(text) + "</" + name + ">";
}

std::string TaskXml(const ScheduledTask& task, bool hidden) {
  std::string xml =
      "<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
      "<Triggers>";
  xml += task.atBoot ? "<BootTrigger/>" : "";
  xml += task.atLogon ? "<LogonTrigger/>" : "";
  if (!task.atBoot && !task.atLogon)
    xml += "<TimeTrigger><StartBoundary>2030-01-01T00:00:00</StartBoundary></TimeTrigger>";
  xml += "</Triggers><Settings>" + Element("Enabled", task.enabled ? "true" : "false") +
         Element("Hidden", hidden ? "true" : "false") + "</Settings><Actions>";
  for (const TaskAction& action : task.actions) {
    xml += "<Exec>" + Element("Command", action.path) + Element("Arguments", action.arguments) +
           Element("WorkingDirectory", action.workingDirectory) + "</Exec>";
  }
  return xml + "</Actions></Task>";
}

// The scheduler's root folder, reached without the code under test.
class RootFolder {
 public:
  RootFolder() {
    const VARIANT none = Empty();
    EXPECT_HRESULT_SUCCEEDED(CoCreateInstance(__uuidof(TaskScheduler), nullptr,
                                              CLSCTX_INPROC_SERVER, __uuidof(ITaskService),
                                              service_.put_void()));
    EXPECT_HRESULT_SUCCEEDED(service_->Connect(none, none, none, none));
    EXPECT_HRESULT_SUCCEEDED(service_->GetFolder(MakeBstr("\\").get(), root_.put()));
  }
  static VARIANT Empty() {
    VARIANT value;
    VariantInit(&value);
    return value;
  }
  ITaskFolder* operator->() const { return root_.get(); }

 private:
  ComScope com_;
  ComPtr<ITaskService> service_;
  ComPtr<ITaskFolder> root_;
};

class Win32Target : public SchedulerTarget {
 public:
  // Tasks, then folders from the deepest up.
  ~Win32Target() override {
    RootFolder root;
    for (const std::string& path : planted_) root->DeleteTask(MakeBstr(path).get(), 0);
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder)
      EXPECT_HRESULT_SUCCEEDED(root->DeleteFolder(MakeBstr(*folder).get(), 0)) << *folder;
  }
  Scheduler& scheduler() override { return scheduler_; }
  std::string folder() const override { return folder_; }
  std::string Plant(const ScheduledTask& task, bool hidden) override {
    const std::string xml = TaskXml(task, hidden);
    RootFolder root;
    ComPtr<IRegisteredTask> registered;
    const VARIANT none = RootFolder::Empty();
    EXPECT_HRESULT_SUCCEEDED(
        root->RegisterTask(MakeBstr(task.path).get(), MakeBstr(xml).get(), TASK_CREATE_OR_UPDATE,
                           none, none, TASK_LOGON_INTERACTIVE_TOKEN, none, registered.put()));
    planted_.push_back(task.path);
    for (std::string path = TaskFolderOf(task.path); path != "\\"; path = TaskFolderOf(path))
      folders_.insert(path);
    return xml;
  }
  const char* Gap(SchedulerGap gap) const override {
    if (!UnderWine())
      return nullptr;
    switch (gap) {
      case SchedulerGap::Listing:
        return "Wine's IRegisteredTaskCollection has no Count, Item or _NewEnum (E_NOTIMPL)";
      case SchedulerGap::Reading:
        return "Wine's ITriggerCollection and IActionCollection have no Count or Item "
               "(E_NOTIMPL)";
      case SchedulerGap::Enabling:
        return "Wine's IRegisteredTask::put_Enabled is a stub that reports success";
      case SchedulerGap::Restoring:
        break;
    }
    return "Wine registers a task without its triggers and exec actions";
  }

 private:
  std::string folder_ = "\\TarnixConf" + std::to_string(GetCurrentProcessId());
  Win32Scheduler scheduler_;
  std::vector<std::string> planted_;
  std::set<std::string> folders_;  // sorted: a folder before the folders below it
};

std::unique_ptr<SchedulerTarget> MakeWin32Target() {
  return std::make_unique<Win32Target>();
}

INSTANTIATE_TEST_SUITE_P(Win32, SchedulerConformance,
                         testing::Values(SchedulerParam{"Win32Scheduler", &MakeWin32Target}),
                         SchedulerParamName);

// Each operation ends the apartment it began: the thread may then take the multithreaded one,
// in which the scheduler is reached as well.
TEST(SchedulerWin32, OperationsLeaveTheThreadsApartmentAsTheyFoundIt) {
  Win32Scheduler scheduler;
  EXPECT_EQ(scheduler.ReadTask("\\TarnixNoSuchTask").failure, StoreFailure::NotFound);
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  EXPECT_EQ(scheduler.DeleteTask("\\TarnixNoSuchTask").failure, StoreFailure::NotFound);
  CoUninitialize();
}

}  // namespace
}  // namespace tarnix
