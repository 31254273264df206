#include "unit/app_restart_offer_fixture.h"

namespace tarnix {

namespace {

using namespace ui::headless;

// An open key of the watched store: its changes are noted.
class WatchedKey : public RegKey {
 public:
  WatchedKey(std::unique_ptr<RegKey> key, WatchedStore& store)
      : key_(std::move(key)), store_(store) {}

  std::optional<RegValue> ReadValue(const std::string& name) const override {
    return key_->ReadValue(name);
  }
  StoreResult WriteValue(const std::string& name, const RegValue& value) override {
    store_.Note();
    return key_->WriteValue(name, value);
  }
  std::vector<std::string> GetValueNames() const override { return key_->GetValueNames(); }
  std::vector<NamedValue> ReadValues() const override { return key_->ReadValues(); }
  std::optional<size_t> ValueCount() const override { return key_->ValueCount(); }
  std::vector<std::string> GetKeyNames() const override { return key_->GetKeyNames(); }
  StoreResult DeleteValue(const std::string& name) override {
    store_.Note();
    return key_->DeleteValue(name);
  }

 private:
  std::unique_ptr<RegKey> key_;
  WatchedStore& store_;
};

}  // namespace

OpenedKey WatchedStore::OpenKey(Root root, const std::string& path, bool create) {
  if (create)
    Note();
  OpenedKey opened = MemoryStore::OpenKey(root, path, create);
  if (!opened)
    return opened;
  return {std::make_unique<WatchedKey>(std::move(opened.key), *this), {}};
}

StoreResult WatchedStore::DeleteKey(Root root, const std::string& path) {
  Note();
  return MemoryStore::DeleteKey(root, path);
}

StoreResult WatchedStore::WriteProfileString(const std::string& file, const std::string& section,
                                             const std::string& key, const std::string& value) {
  Note();
  return MemoryStore::WriteProfileString(file, section, key, value);
}

TextWrite WatchedStore::SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  Note();
  return MemoryStore::SaveLines(path, lines);
}

StoreResult WatchedStore::WriteBytes(const std::string& path, const std::string& bytes) {
  Note();
  return MemoryStore::WriteBytes(path, bytes);
}

StoreResult WatchedStore::AppendText(const std::string& path, const std::string& text) {
  Note();
  return MemoryStore::AppendText(path, text);
}

StoreResult WatchedStore::SetFileAttributes(const std::string& path, uint32_t attributes) {
  Note();
  return MemoryStore::SetFileAttributes(path, attributes);
}

StoreResult WatchedStore::DeleteFile(const std::string& path) {
  Note();
  return MemoryStore::DeleteFile(path);
}

StoreResult WatchedStore::CreateFolder(const std::string& path) {
  Note();
  return MemoryStore::CreateFolder(path);
}

StoreResult WatchedStore::RemoveFolder(const std::string& path) {
  Note();
  return MemoryStore::RemoveFolder(path);
}

Session::Session(bool snapshot) {
  toolkit.SetAutoAcknowledge(true);
  store.SetNow({2026, 12, 5, 16, 35, 34});
  folders = store.SeedShellFolders();
  store.SetString(Root::LocalMachine, kRunKey, "Tray", "C:\\Tools\\tray.exe");
  store.SetString(Root::CurrentUser, kRunKey, "Mail", "mail.exe /q");
  static_cast<void>(shortcuts.Plant(folders.commonStartup + "\\All.lnk", Decorated()));
  for (const char* name : {"PlugPlay", "RpcSs"}) {
    MemoryServices::Service service{name, std::string(name) + " Service", svc::Running, {}};
    service.config.startType = svc::DemandStart;
    services.Add(service);
  }
  if (snapshot)
    TakeSnapshot();
  // Setting up is no change the program under test asked for.
  store.changesAt.clear();
}

// The first launch of an earlier run, answered on a toolkit of its own.
void Session::TakeSnapshot() {
  HeadlessToolkit first;
  first.SetAutoAcknowledge(true);
  Program earlier(store, first, &services, &shortcuts);
  AnswerWelcomeWindow(first);
  earlier.Run({"/c"});
}

void Session::Run(const std::vector<std::string>& arguments, const std::function<void()>& act) {
  program = std::make_unique<Program>(store, toolkit, &services, &shortcuts);
  program->ws.holdInstanceMark = [this](bool held) {
    marks.emplace_back(held, toolkit.ShellCalls().size());
  };
  if (act) {
    toolkit.OnRun([this, act] {
      act();
      actDone = true;
    });
  }
  try {
    program->Run(arguments);
  } catch (const ProgramEnded&) {
    ended = true;
  }
}

int Session::Count(const std::string& text) const {
  int count = 0;
  for (const MessageRecord& box : toolkit.Messages()) count += box.text == text ? 1 : 0;
  return count;
}

std::vector<ShellRecord> Session::RunasCalls() const {
  std::vector<ShellRecord> calls;
  for (const ShellRecord& call : toolkit.ShellCalls()) {
    if (call.verb == "runas")
      calls.push_back(call);
  }
  return calls;
}

void Session::SelectLine(ui::ListBox& list, const std::string& text) {
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Item(i) == text) {
      Select(list, i);
      return;
    }
  }
  throw DriverError("no line " + text);
}

}  // namespace tarnix
