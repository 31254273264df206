// Every command with its k-th platform call failing, as a refusal and as another fault: nothing
// escapes or is half-changed, the log claims nothing false, all is told, a refusal offers restart.
#include <iostream>
#include <map>

#include "app/group_add_dialog.h"
#include "base/text_case.h"
#include "fakes/scheduler_memory.h"
#include "fakes/services_memory.h"
#include "platform/registry_keys.h"
#include "runlists/export.h"
#include "runlists/run_list_commands.h"
#include "runlists/undo_journal.h"
#include "services/services_page.h"
#include "setup/setup_places.h"
#include "unit/startupfolders_fixture.h"
#include "watchdog/check.h"
#include "watchdog/check_sections.h"
#include "watchdog/save_command.h"

namespace tarnix {
namespace {

using namespace ui::headless;

// Every item of the platform by name ("file <path>", "key <root><path>", ...), with its content.
using Picture = std::map<std::string, std::string>;

class SweptStore : public MemoryStore {
 public:
  // Only the history log is appended to: what it took, piece by piece (appending nothing, as
  // the log's writability is tried, takes nothing).
  StoreResult AppendText(const std::string& path, const std::string& text) override {
    StoreResult appended = MemoryStore::AppendText(path, text);
    if (appended && !text.empty())
      logged.push_back(text);
    return appended;
  }
  std::vector<std::string> logged;
};

ScheduledTask Task(const std::string& path, const std::string& program, bool enabled) {
  return {path, enabled, false, true, {{program, "", ""}}, "<Task/>"};
}

const char kRun32Key[] = "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kDigests = std::string(kProductKey) + "\\Digests";
const char kWinlogonKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char kMarksKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

RegValue Mark(char first) {
  return {regtype::Binary, first + std::string(11, '\0')};
}

// A first-launched platform with something in every place a command touches.
class World {
 public:
  explicit World(bool installed) {
    toolkit.SetAutoAcknowledge(true);
    toolkit.SetElevated(false);
    toolkit.SetElevatedStart({false, ""});
    store.SetNow({2026, 12, 5, 16, 35, 34});
    folders = store.SeedShellFolders();
    store.SetString(Root::LocalMachine, kRunKey, "Tray", "C:\\Tools\\tray.exe");
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "mail.exe /q");
    store.SetString(Root::LocalMachine, kRun32Key, "Updater", "C:\\Tools\\update.exe");
    store.SetString(Root::LocalMachine, kWinlogonKey, "Shell", "explorer.exe");
    store.SetValue(Root::CurrentUser, kMarksKey, "Mail", Mark(3));
    store.SetString(Root::CurrentUser, "SOFTWARE\\Tarnix\\0 01.01.2020 10:00:00 0 Gone", "Command",
                    "gone.exe");
    store.AddFile("C:\\WINDOWS\\SYSTEM32\\AUTOEXEC.NT", "@echo off\r\nlh mouse\r\n");
    store.AddFile("C:\\WINDOWS\\winstart.bat", "net start\r\nnet use\r\n");
    store.AddFile("C:\\Program Files\\Tarnix2\\tx2log.txt", "an earlier run\r\n");
    store.AddFile(ExportPath(), "REGEDIT4\r\n");
    static_cast<void>(store.WriteProfileString("win.ini", "windows", "load", "clock.exe"));
    static_cast<void>(store.WriteProfileString("win.ini", "windows", "run", "notes.exe"));
    static_cast<void>(shortcuts.Plant(CommonStartup("All.lnk"), Decorated()));
    for (const char* name : {"PlugPlay", "RpcSs"})
      services.Add({name, std::string(name) + " Service", svc::Running, {}});
    program = std::make_unique<Program>(store, toolkit, &services, &shortcuts);
    scheduler.Add(Task("\\Updater", "C:\\Tools\\update.exe", true));
    scheduler.Add(Task("\\Vendor\\Off", "off.exe", false));
    program->ws.scheduler = &scheduler;
    if (installed) {
      FirstLaunch();
      RefreshAll(ws());
    }
    toolkit.TakeMessages();
  }

  Workspace& ws() { return program->ws; }
  std::string CommonStartup(const std::string& name) const {
    return folders.commonStartup + "\\" + name;
  }
  std::string ExportPath() const { return folders.desktop + "\\tarnix.reg"; }
  void FirstLaunch() {
    toolkit.OnModal("frmFirst", [this](ui::Form&) { Click(*program->frmFirst.Button1); });
    RunChangeCheck(ws(), program->windows);
  }

  // Everything the platform holds now but the history log and the snapshot's digests, read
  // with no fault armed.
  Picture Take() {
    Picture picture;
    AddFolder("C:", picture);
    picture.erase("file " + ws().logPath);
    AddKey(Root::LocalMachine, "", picture);
    AddKey(Root::CurrentUser, "", picture);
    const std::string digests = FoldCase("key HKEY_LOCAL_MACHINE" + kDigests);
    for (auto it = picture.begin(); it != picture.end();)
      it = FoldCase(it->first) == digests ? picture.erase(it) : std::next(it);
    for (const char* key : {"load", "run"})
      picture[std::string("win.ini ") + key] =
          store.ReadProfileString("win.ini", "windows", key, "");
    for (const ScheduledTask& task : scheduler.ListStartupTasks().tasks)
      picture["task " + task.path] = TaskLine(task);
    for (const char* name : {"PlugPlay", "RpcSs"})
      picture[std::string("service ") + name] =
          std::to_string(services.Find(name)->config.startType);
    return picture;
  }

  SweptStore store;
  HeadlessToolkit toolkit;
  MemoryShortcuts shortcuts{store};
  MemoryServices services;
  MemoryScheduler scheduler;
  SeededShellFolders folders;
  std::unique_ptr<Program> program;

 private:
  void AddFolder(const std::string& folder, Picture& picture) {
    for (const FileEntry& entry : store.ListFiles(folder, "*.*")) {
      const std::string path = folder + "\\" + entry.name;
      if (entry.attributes & attr::Directory)
        AddFolder(path, picture);
      else
        picture["file " + path] = *store.FileBytes(path);
    }
  }
  void AddKey(Root root, const std::string& path, Picture& picture) {
    const OpenedKey key = store.OpenKey(root, path, false);
    std::map<std::string, std::string> values;
    for (const NamedValue& value : key->ReadValues())
      values[FoldCase(value.name)] = std::to_string(value.value.type) + ":" + value.value.data;
    std::string& held = picture["key " + RootName(root) + path];
    for (const auto& [name, data] : values) held += name + "=" + data + "\n";
    for (const std::string& sub : key->GetKeyNames()) AddKey(root, path + "\\" + sub, picture);
  }
};

struct Command {
  std::string name;
  std::function<void(World&)> prepare;  // before the fault is armed
  std::function<void(World&)> run;      // the command, its dialogs answered
  bool installed = true;                // false: the first launch itself
  bool inServices = false;              // the fault is in the service manager's calls
  // A file of the user's own choice is no change to the system, so no restart is offered.
  bool offersRestart = true;
  bool inScheduler = false;  // the fault is in the task scheduler's calls
};

// The next showing of the dialog: what the user does in it.
void OnDialog(World& w, const char* dialog, std::function<void(Program&)> act) {
  w.toolkit.OnModal(dialog, [&w, act](ui::Form&) { act(*w.program); });
}

const StartupSection& CommonGroup(World& w) {
  return w.ws().catalogue.Section(SectionId::CommonStartup);
}

using SectionCheck = ComparedSection (*)(CheckRun&, const StartupSection&);

// A report decision: the place changed, then its section checked with `decide` answering.
Command Decision(std::string name, SectionId id, SectionCheck check,
                 std::function<void(World&)> change, std::function<void(World&, TForm1&)> decide) {
  auto prepare = [change, decide](World& w) {
    change(w);
    RefreshAll(w.ws());
    OnDialog(w, "TForm1", [&w, decide](Program& p) { decide(w, p.Form1); });
  };
  auto run = [id, check](World& w) {
    CheckRun run(w.ws(), w.program->Form1);
    check(run, w.ws().catalogue.Section(id)).report();
  };
  return {std::move(name), prepare, run};
}

// The report's line with this text selected, then edited to `text` and the list saved.
void EditLine(World& w, TForm1& r, int line, const std::string& text) {
  Select(*r.ListBox1, line);
  OnDialog(w, "Teditline", [text](Program& p) {
    p.editline.edtRow->SetText(text);
    Click(*p.editline.BitBtn1);
  });
  Click(*r.btnEdit);
  Click(*r.btnSave);
}

void DeleteLineAndSave(TForm1& r, int line) {
  Select(*r.ListBox1, line);
  Click(*r.Button1);
  Click(*r.btnSave);
}

// Two values of the machine's key change, so that a decision writes more than one.
std::function<void(World&)> TwoValues(const char* key, const char* name, const char* data,
                                      const char* added) {
  return [=](World& w) {
    w.store.SetString(Root::LocalMachine, key, name, data);
    w.store.SetString(Root::LocalMachine, key, added, "evil.exe");
  };
}

std::vector<Command> Decisions() {
  const auto intruder = TwoValues(kRunKey, "Tray", "C:\\Tools\\tray2.exe", "Intruder");
  const auto line = [](World& w) {
    w.store.AddFile("C:\\WINDOWS\\SYSTEM32\\AUTOEXEC.NT", "@echo off\r\nlh mouse\r\nevil\r\n");
  };
  const auto load = [](World& w) {
    static_cast<void>(w.store.WriteProfileString("win.ini", "windows", "load", "evil.exe"));
  };
  const auto shortcut = [](World& w) {
    static_cast<void>(w.shortcuts.Plant(w.CommonStartup("New.lnk"), Decorated()));
  };
  const auto intruder32 = TwoValues(kRun32Key, "Updater", "C:\\Tools\\update2.exe", "Intruder");
  const auto shell = TwoValues(kWinlogonKey, "Shell", "explorer.exe evil.exe", "Userinit");
  const auto enabled = [](World& w) {
    w.store.SetValue(Root::CurrentUser, kMarksKey, "Mail", Mark(2));
    w.store.SetValue(Root::CurrentUser, kMarksKey, "Other", Mark(3));
  };
  const auto tasks = [](World& w) {
    w.scheduler.Add(Task("\\Evil", "evil.exe", true));
    w.scheduler.Add(Task("\\Updater", "C:\\Tools\\evil.exe", true));
    ASSERT_TRUE(w.scheduler.SetEnabled("\\Vendor\\Off", true));
  };
  const auto ok = [](World&, TForm1& r) { Click(*r.BitBtn2); };
  const auto back = [](World&, TForm1& r) { Click(*r.btnCancel); };
  using S = SectionId;
  const SectionCheck runs = CompareRunSection, lines = CompareLineSection,
                     ini = CompareWininiSection;
  Command tasksBack = Decision("tasks: Change Back, a scheduler call failing", S::ScheduledTasks,
                               CompareTaskSection, tasks, back);
  tasksBack.inScheduler = true;
  return {
      Decision("tasks: OK", S::ScheduledTasks, CompareTaskSection, tasks, ok),
      Decision("tasks: Change Back, a store call failing", S::ScheduledTasks, CompareTaskSection,
               tasks, back),
      tasksBack,
      Decision("run list: OK", S::HklmRun, runs, intruder, ok),
      Decision("run list: Change Back", S::HklmRun, runs, intruder, back),
      Decision("logon list: OK", S::Hklm32Run, runs, intruder32, ok),
      Decision("Winlogon: Change Back", S::Winlogon, runs, shell, back),
      Decision("marks: OK", S::HkcuRunMarks, runs, enabled, ok),
      Decision("marks: Change Back", S::HkcuRunMarks, runs, enabled, back),
      Decision("text file: OK", S::Autoexec, lines, line, ok),
      Decision("text file: Change Back", S::Autoexec, lines, line, back),
      Decision("text file: edit", S::Autoexec, lines, line,
               [](World& w, TForm1& r) { EditLine(w, r, 2, "good"); }),
      Decision("text file: Save current list", S::Autoexec, lines, line,
               [](World&, TForm1& r) { DeleteLineAndSave(r, 2); }),
      Decision("win.ini load: OK", S::Winini, ini, load, ok),
      Decision("win.ini load: Change Back", S::Winini, ini, load, back),
      Decision("win.ini load: edit", S::Winini, ini, load,
               [](World& w, TForm1& r) { EditLine(w, r, 1, "good.exe"); }),
      Decision("win.ini load: Save current list", S::Winini, ini, load,
               [](World&, TForm1& r) { Click(*r.btnSave); }),
      Decision("startup folder: OK", S::CommonStartup, lines, shortcut, ok),
      Decision("startup folder: Save current list", S::CommonStartup, lines, shortcut,
               [](World&, TForm1& r) {
                 const std::vector<std::string> lines = r.ListBox1->Items();
                 DeleteLineAndSave(
                     r, static_cast<int>(std::find(lines.begin(), lines.end(), "New.lnk") -
                                         lines.begin()));
               }),
  };
}

std::vector<Command> Commands() {
  const auto nothing = [](World&) {};
  const auto answerOk = [](World& w) { w.toolkit.AnswerNextMessageBox(ui::mb::IdOk); };
  const auto pickFirstStep = [](World& w) {
    OnDialog(w, "Tundolist", [](Program& p) {
      Select(*p.undolist.ListBox1, 0);
      Click(*p.undolist.Button1);
    });
  };
  const auto editToOther = [](World& w) {
    OnDialog(w, "TEditStr", [](Program& p) {
      p.EditStr.strval->SetText("other.exe");
      Click(*p.EditStr.btOk);
    });
  };
  const auto add = [](const char* name, const char* command) {
    return [name, command](World& w) {
      OnDialog(w, "Taddform", [name, command](Program& p) {
        p.addform.Name->SetText(name);
        p.addform.program->SetText(command);
        Click(*p.addform.Button2);
      });
    };
  };
  std::vector<Command> commands = Decisions();
  commands.insert(
      commands.end(),
      {
          {"Save",
           [](World& w) {
             UserEdit(*w.ws().views.winstart, {"rem saved"});
             UserEdit(*w.ws().views.load, "saved.exe");
           },
           [](World& w) { SaveAll(w.ws()); }},
          {"run list: add", add("New", "new.exe"),
           [](World& w) { AddRunEntry(w.ws(), w.program->addform, 0); }},
          {"run list: edit", editToOther,
           [](World& w) { EditRunEntry(w.ws(), w.program->EditStr, 0, "Tray"); }},
          {"run list: delete", answerOk, [](World& w) { DeleteRunEntry(w.ws(), 0, "Tray"); }},
          {"logon list: delete", answerOk, [](World& w) { DeleteRunEntry(w.ws(), 3, "Updater"); }},
          {"logon list: edit", editToOther,
           [](World& w) { EditRunEntry(w.ws(), w.program->EditStr, 3, "Updater"); }},
          {"run list: undo",
           [pickFirstStep](World& w) {
             w.toolkit.AnswerNextMessageBox(ui::mb::IdOk);
             DeleteRunEntry(w.ws(), 0, "Tray");
             pickFirstStep(w);
           },
           [](World& w) { UndoRecentStep(w.ws(), w.program->undolist); }},
          {"run list: undo previous sessions", pickFirstStep,
           [](World& w) { UndoStoredStep(w.ws(), w.program->undolist); }},
          {"run list: export", [](World& w) { w.toolkit.QueueSaveFile(w.ExportPath()); },
           [](World& w) { SaveAllKeysToFile(w.ws(), {}, ExportNotice::FileCreated); }, true, false,
           false},
          {"startup group: add", add("Everyone", "C:\\Tools\\all.exe"),
           [](World& w) {
             GroupAddDialog dialog(w.program->addform);
             AddGroupShortcut(w.ws(), CommonGroup(w), dialog);
           }},
          {"startup group: edit",
           [](World& w) {
             OnDialog(w, "TfrmLink", [](Program& p) {
               p.frmLink.edtArg->SetText("-b");
               Click(*p.frmLink.bbtSave);
             });
           },
           [](World& w) {
             EditGroupShortcut(w.ws(), CommonGroup(w), "All.lnk", w.program->frmLink);
           }},
          {"startup group: delete", answerOk,
           [](World& w) { DeleteGroupEntry(w.ws(), CommonGroup(w), "All.lnk"); }},
          {"service start type",
           [](World& w) {
             OnDialog(w, "TfrmServ", [](Program& p) {
               Click(*p.frmServ.r_auto);
               Click(*p.frmServ.BitBtn1);
             });
           },
           [](World& w) {
             StartupButton(w.ws(), &w.services, w.program->frmServ, "RpcSs Service");
           },
           true, true},
          {"check on startup",
           [](World& w) {
             ASSERT_TRUE(
                 w.store.OpenKey(Root::CurrentUser, kRunKey, false)->DeleteValue(kAutostartValue));
           },
           [](World& w) { EnableStartupCheck(w.ws()); }},
          {"first launch", nothing, [](World& w) { w.FirstLaunch(); }, false},
          {"uninstall", nothing, [](World& w) { UninstallProgram(w.ws()); }},
      });
  return commands;
}

// One run of the command: with the k-th call failing as `kind` (k 0: none), what came of it.
struct Outcome {
  int calls = 0;                    // of the faulty platform, since the fault was armed
  std::string escaped;              // what escaped the command
  Picture picture;                  // the platform afterwards
  Picture resnapshot;               // and once a snapshot of what it then held was taken
  std::vector<std::string> logged;  // what the log took, piece by piece
  bool told = false;                // an error box was shown
  bool offered = false;             // the restart as administrator was offered
  bool offeredFirst = false;        // and asked before any box told what failed
  std::string praised;              // a box that told of success
  bool digestHides = false;         // a digest says unchanged where the comparison does not
};

// A digest may be missing or stale after a fault, which costs a full comparison; it may never
// vouch for a place that the comparison finds changed.
bool DigestHides(World& w) {
  const bool quiet = NothingChangedSinceSnapshot(w.store, w.ws().catalogue);
  static_cast<void>(w.store.DeleteKey(Root::LocalMachine, kDigests));
  return quiet && !NothingChangedSinceSnapshot(w.store, w.ws().catalogue);
}

Outcome RunCommand(const Command& c, int k, StoreFailure kind, Picture* before = nullptr) {
  World w(c.installed);
  c.prepare(w);
  w.toolkit.TakeMessages();
  if (before)
    *before = w.Take();
  const size_t logged = w.store.logged.size();
  w.toolkit.AnswerNextMessageBox(ui::mb::IdYes);  // to the restart, when it is offered
  const auto serviceKind =
      kind == StoreFailure::AccessDenied ? ServiceFailure::AccessDenied : ServiceFailure::Other;
  if (c.inServices)
    w.services.FailCall(k, serviceKind);
  else if (c.inScheduler)
    w.scheduler.FailCall(k, kind);
  else
    w.store.FailCall(k, kind);
  Outcome out;
  try {
    c.run(w);
  } catch (const std::exception& error) {
    out.escaped = error.what();
  }
  out.calls = c.inServices    ? w.services.Calls()
              : c.inScheduler ? w.scheduler.Calls()
                              : w.store.Calls();
  w.services.FailCall(0, ServiceFailure::None);
  w.scheduler.FailCall(0, StoreFailure::None);
  w.store.FailCall(0, StoreFailure::None);
  out.picture = w.Take();
  out.digestHides = DigestHides(w);
  out.logged.assign(w.store.logged.begin() + static_cast<std::ptrdiff_t>(logged),
                    w.store.logged.end());
  for (const MessageRecord& box : w.toolkit.Messages()) {
    // The restart's question is the one box answered Yes; a box that tells has only OK and the
    // stop or the warning icon.
    out.offeredFirst = out.offeredFirst || (box.answer == ui::mb::IdYes && !out.told);
    out.told = out.told || box.style == (ui::mb::Ok | ui::mb::IconStop) ||
               box.style == (ui::mb::Ok | ui::mb::IconWarning);
    if (FoldCase(box.caption + box.text).find("success") != std::string::npos)
      out.praised = box.caption;
  }
  // The elevated start is the only one these commands ask of the shell.
  out.offered = !w.toolkit.ShellCalls().empty();
  RefreshAll(w.ws());
  static_cast<void>(SaveSnapshot(w.ws()));
  out.resnapshot = w.Take();
  return out;
}

// Whether `part` is `whole` with some pieces left out.
bool LeavesOut(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  size_t at = 0;
  for (const std::string& piece : whole) at += at < part.size() && part[at] == piece ? 1 : 0;
  return at == part.size();
}

std::optional<std::string> At(const Picture& picture, const std::string& item) {
  const auto found = picture.find(item);
  return found == picture.end() ? std::nullopt : std::optional<std::string>(found->second);
}

const std::string kSnapshotItem = "key HKEY_LOCAL_MACHINE" + std::string(kSnapshotRoot) + "\\";

// What is wrong with the run that met a fault, judged against the run without one.
std::vector<std::string> Faults(const Outcome& run, const Picture& before, const Outcome& clean,
                                bool offersRestart, StoreFailure kind) {
  std::vector<std::string> faults;
  if (!run.escaped.empty())
    faults.push_back("escaped: " + run.escaped);
  if (run.digestHides)
    faults.push_back("a digest vouches for a place that changed");
  Picture items = before;
  items.insert(run.picture.begin(), run.picture.end());
  items.insert(clean.picture.begin(), clean.picture.end());
  for (const auto& [item, ignored] : items) {
    const auto now = At(run.picture, item);
    // A snapshot section may also be a true copy of its place as the failure left that place.
    const bool copy =
        FoldCase(item).rfind(FoldCase(kSnapshotItem), 0) == 0 && now == At(run.resnapshot, item);
    if (now != At(before, item) && now != At(clean.picture, item) && !copy)
      faults.push_back(item + " is neither as it was nor as asked: " + now.value_or("(none)"));
  }
  if (!LeavesOut(run.logged, clean.logged))
    faults.push_back("the log took what the command without a fault does not write");
  const bool done = run.picture == clean.picture;
  if (!done && clean.logged.size() > 1 &&
      std::find(run.logged.begin(), run.logged.end(), clean.logged.back()) != run.logged.end())
    faults.push_back("the log claims an outcome that did not happen");
  const bool whole = done && run.logged == clean.logged;
  if (!whole && !run.told)
    faults.push_back("not everything was done, and no error box said so");
  if (!whole && !run.praised.empty())
    faults.push_back("not everything was done, and a box said: " + run.praised);
  if (run.offeredFirst)
    faults.push_back("the restart was offered before the failure was told");
  if (!whole && offersRestart && kind == StoreFailure::AccessDenied && !run.offered)
    faults.push_back("refused for lack of rights, and no restart was offered");
  if ((kind != StoreFailure::AccessDenied || !offersRestart) && run.offered)
    faults.push_back("a restart was offered for a failure that rights would not mend");
  return faults;
}

TEST(FaultSweep, EveryCallOfEveryCommandFailsWithoutHarm) {
  int points = 0;
  const std::vector<Command> commands = Commands();
  for (const Command& c : commands) {
    Picture before;
    const Outcome clean = RunCommand(c, 0, StoreFailure::None, &before);
    ASSERT_TRUE(clean.escaped.empty() && !clean.told) << c.name << ": " << clean.escaped;
    ASSERT_NE(clean.picture, before) << c.name << " changes nothing";
    for (const StoreFailure kind : {StoreFailure::AccessDenied, StoreFailure::Other}) {
      for (int k = 1;; ++k) {
        const Outcome run = RunCommand(c, k, kind);
        if (run.calls < k)
          break;
        ++points;
        for (const std::string& fault : Faults(run, before, clean, c.offersRestart, kind))
          ADD_FAILURE() << c.name << ", call " << k
                        << (kind == StoreFailure::AccessDenied ? " refused: " : " failed: ")
                        << fault;
      }
    }
  }
  std::cout << "fault sweep: " << points << " fault points over " << commands.size()
            << " commands\n";
}

}  // namespace
}  // namespace tarnix
