// The watchdog on the memory platform: main window, report, line editor, scripted user.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes/headless/driver.h"
#include "fakes/store_memory.h"
#include "sources/loading.h"
#include "unit/user.h"
#include "watchdog/check.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot.h"

namespace tarnix {

inline const char kRun[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const char kLogPath[] = "C:\\Program Files\\Tarnix2\\tx2log.txt";
inline const std::string kDivider(55, '-');

inline RegValue Dword(uint32_t n) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>(n >> (8 * i));
  return {regtype::Dword, bytes};
}

// The controls that hold the places, as the main window has them.
inline PlaceViews AddPlaceViews(ui::Form& form) {
  PlaceViews v;
  for (int i = 0; i < kRunListCount; ++i)
    v.runLists[i] = form.AddListBox({"ListBox" + std::to_string(i + 1), {}});
  v.autoex = form.AddTextPage({"autoex", {}});
  v.config = form.AddTextPage({"config", {}});
  v.winstart = form.AddTextPage({"winstart", {}});
  v.load = form.AddEdit({"load", {}});
  v.run = form.AddEdit({"run", {}});
  v.lsbStart = form.AddListBox({"lsbStart", {}});
  v.lsbComSt = form.AddListBox({"lsbComSt", {}});
  v.lsbNTServ = form.AddListBox({"lsbNTServ", {}});
  return v;
}

// What the user saw in one report.
struct SeenReport {
  std::string heading;
  std::vector<ChangeLine> lines;
  bool edit = false, changeBack = false, deleteLine = false, saveList = false;
};

class WatchdogTest : public ::testing::Test {
 protected:
  explicit WatchdogTest(PlatformPreset platform = PlatformPreset::Windows10)
      : ws(store, toolkit), editline(toolkit), report(toolkit, editline) {
    store.SetPlatform(platform);
    shellFolders = store.SeedShellFolders();
    toolkit.SetAutoAcknowledge(true);
    BuildMainWindow();
  }

  // The catalogue and the controls, then every place loaded.
  void BuildMainWindow() {
    mainForm = toolkit.CreateForm({"mform", "Tmform", "Tarnix2", 800, 600});
    ws.views = AddPlaceViews(*mainForm);
    ws.views.status = mainForm->AddStatusBar({"StatusBar1", {480, 50}});
    ws.mainForm = mainForm.get();
    ws.logPath = kLogPath;
    BindPlaceEdits(ws);
    Rebuild();
  }

  // Builds the catalogue again (after a change of the platform's folders) and reloads.
  void Rebuild() {
    ws.catalogue = BuildCatalogue(store);
    RefreshAll(ws);
  }

  std::string Place(const std::string& key) { return ws.catalogue.Find(key)->place; }
  std::string Winstart() { return Place("Winstart"); }

  // The snapshot of what is loaded now.
  void TakeSnapshot() {
    ASSERT_TRUE(SaveSnapshot(ws));
    toolkit.TakeMessages();
  }

  // The user's next report: what it showed is recorded, then `act` runs on it.
  void OnReport(std::function<void(TForm1&)> act) {
    toolkit.OnModal("TForm1", [this, act](ui::Form&) {
      seen.push_back({report.kname1->Caption(), report.List(), report.btnEdit->Enabled(),
                      report.btnCancel->Enabled(), report.Button1->Enabled(),
                      report.btnSave->Enabled()});
      act(report);
    });
  }
  void OnReportClick(ui::Button* TForm1::*button) {
    OnReport([button](TForm1& r) { ui::headless::Click(*(r.*button)); });
  }

  // The user edits the report's line at the index to the text.
  void EditLine(TForm1& r, int index, const std::string& text) {
    toolkit.OnModal("Teditline", [text](ui::Form& f) {
      ui::headless::Get<ui::EditBox>(f, "edtRow").SetText(text);
      ui::headless::Click(ui::headless::Get<ui::Button>(f, "BitBtn1"));
    });
    ui::headless::Select(*r.ListBox1, index);
    ui::headless::Click(*r.btnEdit);
  }

  bool Check() {
    return RunCheck(ws, report, [this] { ++firstLaunches; });
  }

  std::string Log() { return store.FileBytes(kLogPath).value_or(""); }
  std::vector<std::string> FileLines(const std::string& path) {
    return store.LoadLines(path).value_or(std::vector<std::string>{"<unreadable>"});
  }
  std::optional<std::vector<std::string>> SnapshotLines(const std::string& key) {
    return ReadSnapshotLines(store, SnapshotKeyPath(key));
  }
  std::vector<ui::headless::MessageRecord> Errors() {
    std::vector<ui::headless::MessageRecord> errors;
    for (const auto& m : toolkit.Messages()) {
      if (m.caption == "Error!")
        errors.push_back(m);
    }
    return errors;
  }
  std::vector<std::string> ErrorTexts() {
    std::vector<std::string> texts;
    for (const auto& m : Errors()) texts.push_back(m.text);
    return texts;
  }
  bool WasShown(const std::string& text) { return FindBox(toolkit, text) != nullptr; }

  MemoryStore store;
  ui::headless::HeadlessToolkit toolkit;
  SeededShellFolders shellFolders;
  Workspace ws;
  std::unique_ptr<ui::Form> mainForm;
  Teditline editline;
  TForm1 report;
  std::vector<SeenReport> seen;
  int firstLaunches = 0;
};

}  // namespace tarnix
