// The run-list commands on their own: a store, a toolkit to answer the question, the places,
// and no window. Each command is given the list and the entry.
#include <gtest/gtest.h>

#include "fakes/headless/headless_toolkit.h"
#include "fakes/store_memory.h"
#include "runlists/edit_form.h"
#include "runlists/run_list_commands.h"
#include "sources/loading.h"
#include "sources/undo_step.h"

namespace tarnix {
namespace {

const char kUserRun[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class RunListCommandsTest : public ::testing::Test {
 protected:
  RunListCommandsTest() : ws(store, toolkit) {
    store.SetValue(Root::CurrentUser, kUserRun, "Mail", {regtype::ExpandString, "%A%\\m.exe"});
    store.SetString(Root::CurrentUser, kUserRun, "Tool", "tool.exe");
    ws.catalogue = BuildCatalogue(store);
    LoadRunList(ws, 2);
  }
  std::vector<std::string> Names() const { return ws.places.runLists[2].Names(); }

  MemoryStore store;
  ui::headless::HeadlessToolkit toolkit;
  Workspace ws;
};

TEST_F(RunListCommandsTest, DeleteTakesTheEntryFromTheKeyAndThePlacesAndKeepsItsTypeForUndo) {
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  DeleteRunEntry(ws, 2, "Mail");
  EXPECT_FALSE(store.Value(Root::CurrentUser, kUserRun, "Mail"));
  EXPECT_EQ(Names(), std::vector<std::string>{"Tool"});
  ASSERT_EQ(ws.runUndoList.size(), 1u);
  EXPECT_EQ(store.Value(Root::CurrentUser, StepKeyPath(ws.runUndoList[0]), "Command"),
            (RegValue{regtype::ExpandString, "%A%\\m.exe"}));
}

TEST_F(RunListCommandsTest, DeclinedDeleteChangesNothing) {
  toolkit.AnswerNextMessageBox(ui::mb::IdCancel);
  DeleteRunEntry(ws, 2, "Mail");
  EXPECT_TRUE(store.Value(Root::CurrentUser, kUserRun, "Mail"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Mail", "Tool"}));
  EXPECT_TRUE(ws.runUndoList.empty());
}

// The dialog shows the command as it is now, and the edit keeps the value's type.
TEST_F(RunListCommandsTest, EditShowsTheCommandAsItIsNowAndKeepsItsType) {
  store.SetValue(Root::CurrentUser, kUserRun, "Mail", {regtype::ExpandString, "%B%\\m.exe"});
  TEditStr dialog(toolkit);
  std::string shown;
  toolkit.OnModal("TEditStr", [&](ui::Form&) {
    shown = dialog.strval->Text();
    dialog.strval->SetText("%B%\\new.exe");
    dialog.btOkClick();
  });
  EditRunEntry(ws, dialog, 2, "Mail");
  EXPECT_EQ(shown, "%B%\\m.exe");
  EXPECT_EQ(store.Value(Root::CurrentUser, kUserRun, "Mail"),
            (RegValue{regtype::ExpandString, "%B%\\new.exe"}));
  EXPECT_EQ(ws.places.runLists[2].Find("mail")->value.data, "%B%\\new.exe");
}

}  // namespace
}  // namespace tarnix
