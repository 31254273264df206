// The run-list commands on created, unstarted windows, with dialogs played and key readers.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runlists/run_list_commands.h"
#include "runlists/undo_journal.h"
#include "unit/app_fixture.h"

namespace tarnix {

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

  // The program, created at its first use, after the test has put its values in place.
  Workspace& ws() { return (program ? *program : Create()).ws; }
  ui::ListBox& List(int runList) { return *ws().views.runLists[runList]; }
  std::optional<RegValue> StepCommand(const std::string& step) {
    return store.Value(Root::CurrentUser, std::string(kJournal) + "\\" + step, "Command");
  }
  std::vector<std::string>& RecentSteps() { return ws().runUndoList; }

  // Deletes the entry, answering the question with OK.
  void Delete(int runList, const std::string& name) {
    toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    DeleteRunEntry(ws(), runList, name);
  }
  // Edits the entry; `act` plays the dialog, or the command is typed and OK pressed.
  void Edit(int runList, const std::string& name, std::function<void(TEditStr&)> act) {
    Workspace& w = ws();
    toolkit.OnModal("TEditStr", [this, act](ui::Form&) { act(program->EditStr); });
    EditRunEntry(w, program->EditStr, runList, name);
  }
  void Edit(int runList, const std::string& name, const std::string& command) {
    Edit(runList, name, [command](TEditStr& d) {
      d.strval->SetText(command);
      ui::headless::Click(*d.btOk);
    });
  }
  // Adds to the run list; `act` plays the dialog, or the two texts are typed and Add pressed.
  void Add(int runList, std::function<void(Taddform&)> act) {
    Workspace& w = ws();
    toolkit.OnModal("Taddform", [this, act](ui::Form&) { act(program->addform); });
    AddRunEntry(w, program->addform, runList);
  }
  // The add dialog's next showing: the two texts typed, then Add.
  void AnswerAdd(const std::string& name, const std::string& command) {
    toolkit.OnModal("Taddform", [this, name, command](ui::Form&) {
      program->addform.Name->SetText(name);
      program->addform.program->SetText(command);
      ui::headless::Click(*program->addform.Button2);
    });
  }
  void Add(int runList, const std::string& name, const std::string& command) {
    Workspace& w = ws();
    AnswerAdd(name, command);
    AddRunEntry(w, program->addform, runList);
  }
  // Undoes a step of this run (Ctrl+Z) or, `stored`, any stored step (Ctrl+R): what the dialog
  // listed is kept, then `act` plays it, or the row is chosen (-1: Cancel).
  void Undo(std::function<void(Tundolist&)> act, bool stored = false) {
    Workspace& w = ws();
    toolkit.OnModal("Tundolist", [this, act](ui::Form&) {
      undoLines.push_back(program->undolist.ListBox1->Items());
      act(program->undolist);
    });
    stored ? UndoStoredStep(w, program->undolist) : UndoRecentStep(w, program->undolist);
  }
  void Undo(int row, bool stored = false) {
    Undo(
        [row](Tundolist& d) {
          if (row >= 0)
            ui::headless::Select(*d.ListBox1, row);
          ui::headless::Click(row >= 0 ? *d.Button1 : *d.Button2);
        },
        stored);
  }

  std::vector<std::vector<std::string>> undoLines;
};

}  // namespace tarnix
