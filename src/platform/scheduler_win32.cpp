#include "platform/scheduler_win32.h"

#include <windows.h>

#include <taskschd.h>

#include <cstdio>
#include <utility>

#include "base/com_win32.h"
#include "platform/task_files_win32.h"

namespace tarnix {

namespace {

StoreFailure FailureOf(HRESULT result) {
  if (result == E_ACCESSDENIED)
    return StoreFailure::AccessDenied;
  if (result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) ||
      result == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND))
    return StoreFailure::NotFound;
  return StoreFailure::Other;
}

// The failure's text carries the scheduler's code: the same words cover many causes.
StoreResult Result(HRESULT result, TaskOperation operation, const std::string& path) {
  if (SUCCEEDED(result))
    return {};
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
  return {FailureOf(result), TaskFailureText(operation, path) + " (" + code + ")"};
}

VARIANT Empty() {
  VARIANT value{};
  value.vt = VT_EMPTY;
  return value;
}

// Collections count from 1.
VARIANT Index(LONG index) {
  VARIANT value = Empty();
  value.vt = VT_I4;
  value.lVal = index;
  return value;
}

// One connection to the scheduler for one operation; COM lives as long as it does.
class Session {
 public:
  Session() {
    opened_ = CreateComObject(__uuidof(TaskScheduler), __uuidof(ITaskService), service_.put_void());
    if (SUCCEEDED(opened_)) {
      const VARIANT local = Empty();
      opened_ = service_->Connect(local, local, local, local);
    }
  }

  HRESULT Folder(const std::string& path, ComPtr<ITaskFolder>& folder) const {
    return FAILED(opened_) ? opened_ : service_->GetFolder(MakeBstr(path).get(), folder.put());
  }
  // The task of this path, with the folder that holds it.
  HRESULT Task(const std::string& path, ComPtr<ITaskFolder>& folder,
               ComPtr<IRegisteredTask>& task) const {
    const HRESULT result = Folder(TaskFolderOf(path), folder);
    return FAILED(result) ? result : folder->GetTask(MakeBstr(TaskNameOf(path)).get(), task.put());
  }
  HRESULT NewDefinition(ComPtr<ITaskDefinition>& definition) const {
    return FAILED(opened_) ? opened_ : service_->NewTask(0, definition.put());
  }

 private:
  ComScope com_;
  ComPtr<ITaskService> service_;
  HRESULT opened_ = E_FAIL;
};

// Reads each item of the collection that `get` gives, counting from 1, up to the first failure.
template <typename Collection, typename Item, typename Getter, typename ReadItem>
HRESULT ReadEach(Getter get, ReadItem read) {
  ComPtr<Collection> collection;
  LONG count = 0;
  HRESULT result = InOrder(
      {[&] { return get(collection.put()); }, [&] { return collection->get_Count(&count); }});
  for (LONG i = 1; SUCCEEDED(result) && i <= count; ++i) {
    ComPtr<Item> item;
    result = collection->get_Item(i, item.put());
    if (SUCCEEDED(result))
      result = read(item.get());
  }
  return result;
}

HRESULT ReadTriggers(ITaskDefinition* definition, ScheduledTask& task) {
  const auto triggers = [definition](ITriggerCollection** out) {
    return definition->get_Triggers(out);
  };
  return ReadEach<ITriggerCollection, ITrigger>(triggers, [&task](ITrigger* trigger) {
    TASK_TRIGGER_TYPE2 type = TASK_TRIGGER_EVENT;
    VARIANT_BOOL enabled = VARIANT_FALSE;
    const HRESULT read = InOrder(
        {[&] { return trigger->get_Type(&type); }, [&] { return trigger->get_Enabled(&enabled); }});
    if (enabled != VARIANT_FALSE) {
      task.atBoot = task.atBoot || type == TASK_TRIGGER_BOOT;
      task.atLogon = task.atLogon || type == TASK_TRIGGER_LOGON;
    }
    return read;
  });
}

HRESULT ReadExecAction(IAction* action, std::vector<TaskAction>& actions) {
  ComPtr<IExecAction> exec;
  TaskAction read;
  const HRESULT result = InOrder(
      {[&] { return action->QueryInterface(__uuidof(IExecAction), exec.put_void()); },
       [&] { return ReadText([&](BSTR* out) { return exec->get_Path(out); }, read.path); },
       [&] {
         return ReadText([&](BSTR* out) { return exec->get_Arguments(out); }, read.arguments);
       },
       [&] {
         return ReadText([&](BSTR* out) { return exec->get_WorkingDirectory(out); },
                         read.workingDirectory);
       }});
  if (SUCCEEDED(result))
    actions.push_back(std::move(read));
  return result;
}

HRESULT ReadActions(ITaskDefinition* definition, ScheduledTask& task) {
  const auto actions = [definition](IActionCollection** out) {
    return definition->get_Actions(out);
  };
  return ReadEach<IActionCollection, IAction>(actions, [&task](IAction* action) {
    TASK_ACTION_TYPE type = TASK_ACTION_EXEC;
    const HRESULT read = action->get_Type(&type);
    return SUCCEEDED(read) && type == TASK_ACTION_EXEC ? ReadExecAction(action, task.actions)
                                                       : read;
  });
}

HRESULT ReadRegistered(IRegisteredTask* registered, ScheduledTask& task) {
  ComPtr<ITaskDefinition> definition;
  VARIANT_BOOL enabled = VARIANT_FALSE;
  task = ScheduledTask();
  const HRESULT result = InOrder(
      {[&] { return ReadText([&](BSTR* out) { return registered->get_Path(out); }, task.path); },
       [&] { return registered->get_Enabled(&enabled); },
       [&] { return registered->get_Definition(definition.put()); },
       [&] { return ReadTriggers(definition.get(), task); },
       [&] { return ReadActions(definition.get(), task); },
       [&] { return ReadText([&](BSTR* out) { return registered->get_Xml(out); }, task.xml); }});
  task.enabled = enabled != VARIANT_FALSE;
  // A definition that cannot give its triggers or actions (Wine's): the task's file still can.
  return result == E_NOTIMPL && !task.path.empty() ? ReadTaskFile(task.path, task) : result;
}

// Walks the folders from one down, keeping the tasks that start at boot or logon and the first
// failure; a folder or task that cannot be read does not stop the walk.
class Lister {
 public:
  explicit Lister(TaskListing& listing) : listing_(listing) {}

  void Walk(ITaskFolder* folder) {
    std::string path;
    ComPtr<ITaskFolderCollection> folders;
    LONG count = 0;
    const HRESULT named = ReadText([&](BSTR* out) { return folder->get_Path(out); }, path);
    Note(named, TaskOperation::List, path);
    if (SUCCEEDED(named))
      ListTasks(folder, path);
    const HRESULT result = InOrder({[&] { return folder->GetFolders(0, folders.put()); },
                                    [&] { return folders->get_Count(&count); }});
    Note(result, TaskOperation::List, path);
    for (LONG i = 1; SUCCEEDED(result) && i <= count; ++i) {
      ComPtr<ITaskFolder> below;
      const HRESULT item = folders->get_Item(Index(i), below.put());
      Note(item, TaskOperation::List, path);
      if (SUCCEEDED(item))
        Walk(below.get());
    }
  }

 private:
  void ListTasks(ITaskFolder* folder, const std::string& path) {
    ComPtr<IRegisteredTaskCollection> tasks;
    LONG count = 0;
    const HRESULT result = InOrder({[&] { return folder->GetTasks(TASK_ENUM_HIDDEN, tasks.put()); },
                                    [&] { return tasks->get_Count(&count); }});
    // A collection that cannot give its tasks (Wine's): the folder's files still can.
    if (result == E_NOTIMPL)
      return ListTaskFiles(path);
    Note(result, TaskOperation::List, path);
    for (LONG i = 1; SUCCEEDED(result) && i <= count; ++i) {
      ComPtr<IRegisteredTask> registered;
      ScheduledTask task;
      const HRESULT read = InOrder({[&] { return tasks->get_Item(Index(i), registered.put()); },
                                    [&] { return ReadRegistered(registered.get(), task); }});
      Keep(read, std::move(task), path);
    }
  }

  void ListTaskFiles(const std::string& folderPath) {
    std::vector<std::string> paths;
    Note(TaskFilesIn(folderPath, paths), TaskOperation::List, folderPath);
    for (const std::string& path : paths) {
      ScheduledTask task;
      task.path = path;
      const HRESULT read = ReadTaskFile(path, task);
      Keep(read, std::move(task), folderPath);
    }
  }

  // A failure names the task where its path was read, else the folder.
  void Keep(HRESULT result, ScheduledTask task, const std::string& folderPath) {
    if (FAILED(result)) {
      const bool named = !task.path.empty();
      Note(result, named ? TaskOperation::Read : TaskOperation::List,
           named ? task.path : folderPath);
    } else if (task.atBoot || task.atLogon) {
      listing_.tasks.push_back(std::move(task));
    }
  }

  void Note(HRESULT result, TaskOperation operation, const std::string& path) {
    if (listing_)
      static_cast<StoreResult&>(listing_) = Result(result, operation, path);
  }

  TaskListing& listing_;
};

// Who the definition says the task runs as.
struct Principal {
  BstrHandle account;
  TASK_LOGON_TYPE logon = TASK_LOGON_NONE;
};

// The account and logon type the definition names, so that the task is registered for the
// same account; none when the scheduler cannot tell, which leaves them to the definition.
Principal PrincipalOf(const Session& session, const std::string& xml) {
  ComPtr<ITaskDefinition> definition;
  ComPtr<IPrincipal> named;
  BstrHandle user, group;
  Principal principal;
  const HRESULT result = InOrder({[&] { return session.NewDefinition(definition); },
                                  [&] { return definition->put_XmlText(MakeBstr(xml).get()); },
                                  [&] { return definition->get_Principal(named.put()); },
                                  [&] { return named->get_LogonType(&principal.logon); },
                                  [&] { return named->get_UserId(user.put()); },
                                  [&] { return named->get_GroupId(group.put()); }});
  if (FAILED(result))
    return {};
  principal.account = BstrLength(user.get()) > 0 ? std::move(user) : std::move(group);
  return principal;
}

}  // namespace

TaskListing Win32Scheduler::ListStartupTasks() {
  TaskListing listing;
  Session session;
  ComPtr<ITaskFolder> root;
  const HRESULT result = session.Folder("\\", root);
  if (FAILED(result))
    static_cast<StoreResult&>(listing) = Result(result, TaskOperation::List, "\\");
  else
    Lister(listing).Walk(root.get());
  return listing;
}

TaskRead Win32Scheduler::ReadTask(const std::string& path) {
  TaskRead read;
  Session session;
  ComPtr<ITaskFolder> folder;
  ComPtr<IRegisteredTask> registered;
  const HRESULT result = InOrder({[&] { return session.Task(path, folder, registered); },
                                  [&] { return ReadRegistered(registered.get(), read.task); }});
  static_cast<StoreResult&>(read) = Result(result, TaskOperation::Read, path);
  return read;
}

StoreResult Win32Scheduler::SetEnabled(const std::string& path, bool enabled) {
  const TaskOperation operation = enabled ? TaskOperation::Enable : TaskOperation::Disable;
  Session session;
  ComPtr<ITaskFolder> folder;
  ComPtr<IRegisteredTask> task, reread;
  VARIANT_BOOL now = VARIANT_FALSE;
  // The state is read back anew: a scheduler may accept a change that it does not make.
  const HRESULT result =
      InOrder({[&] { return session.Task(path, folder, task); },
               [&] { return task->put_Enabled(enabled ? VARIANT_TRUE : VARIANT_FALSE); },
               [&] { return folder->GetTask(MakeBstr(TaskNameOf(path)).get(), reread.put()); },
               [&] { return reread->get_Enabled(&now); }});
  if (SUCCEEDED(result) && (now != VARIANT_FALSE) != enabled)
    return {StoreFailure::Other,
            TaskFailureText(operation, path) + ": the task scheduler did not keep the change"};
  return Result(result, operation, path);
}

StoreResult Win32Scheduler::DeleteTask(const std::string& path) {
  Session session;
  ComPtr<ITaskFolder> folder;
  ComPtr<IRegisteredTask> task;
  // Opened first, so that a path naming a folder is not taken for a task.
  const HRESULT result =
      InOrder({[&] { return session.Task(path, folder, task); },
               [&] { return folder->DeleteTask(MakeBstr(TaskNameOf(path)).get(), 0); }});
  return Result(result, TaskOperation::Delete, path);
}

StoreResult Win32Scheduler::RestoreTask(const ScheduledTask& saved) {
  Session session;
  const Principal principal = PrincipalOf(session, saved.xml);
  const VARIANT none = Empty();
  VARIANT account = none;
  if (BstrLength(principal.account.get()) > 0) {
    account.vt = VT_BSTR;
    account.bstrVal = principal.account.get();
  }
  ComPtr<ITaskFolder> root, folder;
  ComPtr<IRegisteredTask> registered, reread;
  ScheduledTask now;
  const HRESULT result = InOrder(
      {[&] { return session.Folder("\\", root); },
       [&] {
         return root->RegisterTask(MakeBstr(saved.path).get(), MakeBstr(saved.xml).get(),
                                   TASK_CREATE_OR_UPDATE, account, none, principal.logon, none,
                                   registered.put());
       },
       [&] { return registered->put_Enabled(saved.enabled ? VARIANT_TRUE : VARIANT_FALSE); },
       [&] { return session.Task(saved.path, folder, reread); },
       [&] { return ReadRegistered(reread.get(), now); }});
  if (SUCCEEDED(result) && !SameStart(now, saved))
    return {StoreFailure::Other, TaskFailureText(TaskOperation::Restore, saved.path) +
                                     ": the task scheduler did not keep it as it was read"};
  return Result(result, TaskOperation::Restore, saved.path);
}

}  // namespace tarnix
