// The run lists on the whole program: the in-memory platform with an entry in each run key,
// the clock at a known second, and helpers to read the run keys and the undo journal back.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "unit/app_fixture.h"

namespace tarnix {

inline const char kJournal[] = "SOFTWARE\\Tarnix";

inline void PrintTo(const RegValue& value, std::ostream* out) {
  *out << "type " << value.type << " \"" << value.data << "\"";
}

class RunListsTest : public AppTest {
 protected:
  void SetUp() override {
    store.SetPlatform(PlatformPreset::Windows98);
    store.SetString(Root::LocalMachine, kRunKey, "Tray", "C:\\Tools\\tray.exe");
    store.SetString(Root::LocalMachine, kRunServicesKey, "Spooler", "spool.exe");
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "mail.exe /q");
    store.SetNow({2026, 12, 5, 16, 35, 34});
  }

  ui::ListBox& List(int runList) {
    ui::ListBox* lists[] = {Main().ListBox1, Main().ListBox2, Main().ListBox3};
    return *lists[runList];
  }
  std::optional<RegValue> Run(Root root, const std::string& name) {
    return store.Value(root, kRunKey, name);
  }
  std::optional<RegValue> UserRun(const std::string& name) { return Run(Root::CurrentUser, name); }
  std::vector<std::string> StoredSteps() {
    auto key = store.OpenKey(Root::CurrentUser, kJournal, false);
    return key ? key->GetKeyNames() : std::vector<std::string>{};
  }
  std::optional<RegValue> StepCommand(const std::string& step) {
    return store.Value(Root::CurrentUser, std::string(kJournal) + "\\" + step, "Command");
  }
  std::vector<std::string>& RecentSteps() { return program->ws.runUndoList; }

  // The edit dialog's next showing: `act` runs on it.
  void OnEdit(std::function<void(TEditStr&)> act) {
    toolkit.OnModal("TEditStr", [this, act](ui::Form&) { act(program->EditStr); });
  }
  void OnEditType(const std::string& command) {
    OnEdit([command](TEditStr& d) {
      d.strval->SetText(command);
      ui::headless::Click(*d.btOk);
    });
  }
  void OnAdd(std::function<void(Taddform&)> act) {
    toolkit.OnModal("Taddform", [this, act](ui::Form&) { act(program->addform); });
  }
  void OnAddEntry(const std::string& name, const std::string& command) {
    OnAdd([name, command](Taddform& d) {
      d.Name->SetText(name);
      d.program->SetText(command);
      ui::headless::Click(*d.Button2);
    });
  }
  // The undo dialog's next showing: what it listed is kept, then `act` runs on it.
  void OnUndoList(std::function<void(Tundolist&)> act) {
    toolkit.OnModal("Tundolist", [this, act](ui::Form&) {
      undoLines.push_back(program->undolist.ListBox1->Items());
      act(program->undolist);
    });
  }
  void OnUndoRow(int row) {
    OnUndoList([row](Tundolist& d) {
      ui::headless::Select(*d.ListBox1, row);
      ui::headless::Click(*d.Button1);
    });
  }

  // Selects the line and deletes it by the Del key, answering the question with OK.
  void DeleteLine(int runList, int line) {
    ui::headless::Select(List(runList), line);
    toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    ui::headless::PressKey(MainForm(), ui::vk::Delete);
  }
  void EditLine(int runList, int line, const std::string& command) {
    ui::headless::Select(List(runList), line);
    OnEditType(command);
    ui::headless::PressKey(MainForm(), ui::vk::Return);
  }

  std::vector<std::vector<std::string>> undoLines;
};

}  // namespace tarnix
