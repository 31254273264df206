// The Task Scheduler under Wine: the shared suite, on tasks of a folder of its own. Windows
// registers them through ITaskFolder::RegisterTask; Wine would register them without their
// triggers and actions, so there they are written as files, which Wine takes for registered
// tasks. What Wine's scheduler lacks is skipped by the suite once it has seen the operation
// fail with a text.
#include <windows.h>

#include <taskschd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "base/com_win32.h"
#include "conformance/scheduler_conformance.h"
#include "platform/scheduler_win32.h"
#include "platform/store_win32.h"

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
  // A trigger that is off starts nothing.
  xml += task.atBoot ? "<BootTrigger/>" : "<BootTrigger><Enabled>false</Enabled></BootTrigger>";
  xml += task.atLogon ? "<LogonTrigger/>" : "<LogonTrigger><Enabled>false</Enabled></LogonTrigger>";
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
    // Both encodings a task file may have: the scheduler's own, and a hand-written one's.
    if (UnderWine())
      Write(task.path, xml, planted_.size() % 2 == 1);
    else
      Register(task.path, xml);
    return xml;
  }
  // The task's file, in UTF-16 with a byte order mark or in UTF-8.
  void Write(const std::string& path, const std::string& xml, bool utf16) {
    Win32Store store;
    const std::string tasks = store.WindowsFolder() + "\\system32\\Tasks";
    for (size_t at = path.find('\\', 1); at != std::string::npos; at = path.find('\\', at + 1))
      static_cast<void>(store.CreateFolder(tasks + path.substr(0, at)));
    const std::wstring wide = L"\xFEFF" + Widen(xml);
    const std::string bytes =
        utf16 ? std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2) : xml;
    EXPECT_TRUE(store.WriteBytes(tasks + path, bytes)) << path;
    Planted(path);
  }
  const char* Gap(SchedulerGap gap) const override {
    if (!UnderWine())
      return nullptr;
    return gap == SchedulerGap::Enabling
               ? "Wine's IRegisteredTask::put_Enabled is a stub that reports success"
               : "Wine registers a task without its triggers and exec actions";
  }

 private:
  void Register(const std::string& path, const std::string& xml) {
    RootFolder root;
    ComPtr<IRegisteredTask> registered;
    const VARIANT none = RootFolder::Empty();
    EXPECT_HRESULT_SUCCEEDED(
        root->RegisterTask(MakeBstr(path).get(), MakeBstr(xml).get(), TASK_CREATE_OR_UPDATE, none,
                           none, TASK_LOGON_INTERACTIVE_TOKEN, none, registered.put()));
    Planted(path);
  }
  void Planted(const std::string& path) {
    planted_.push_back(path);
    for (std::string folder = TaskFolderOf(path); folder != "\\"; folder = TaskFolderOf(folder))
      folders_.insert(folder);
  }

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

// A task file that cannot be parsed fails the listing, which still holds the others; a name
// that would mean something in a URL is a file's name all the same.
TEST(SchedulerWin32, UnderWineEachTaskFileIsReadOnItsOwn) {
  if (!UnderWine())
    GTEST_SKIP() << "only Wine takes a task file written by hand for a registered task";
  Win32Target target;
  ScheduledTask odd{target.folder() + "\\50%25 #1", true, false, true, {}, ""};
  odd.actions = {{"C:\\odd.exe", "", ""}};
  const std::string broken = target.folder() + "\\Broken";
  target.Write(odd.path, TaskXml(odd, false), true);
  target.Write(broken, "<Task><Triggers><LogonTrigger/>", false);
  const TaskListing listing = target.scheduler().ListStartupTasks();
  EXPECT_FALSE(listing);
  EXPECT_NE(listing.text.find(broken), std::string::npos) << listing.text;
  const auto listed =
      std::find_if(listing.tasks.begin(), listing.tasks.end(),
                   [&](const ScheduledTask& task) { return task.path == odd.path; });
  ASSERT_NE(listed, listing.tasks.end());
  EXPECT_TRUE(SameStart(*listed, odd));
  const TaskRead read = target.scheduler().ReadTask(odd.path);
  ASSERT_TRUE(read) << read.text;
  EXPECT_TRUE(SameStart(read.task, odd));
}

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
