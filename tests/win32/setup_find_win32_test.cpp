// Find on real controls: a rich-edit page and an edit box count characters beyond ASCII the
// way the headless toolkit does, so a match lands at the same place in both.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "app/program.h"
#include "fakes/store_memory.h"
#include "setup/find.h"
#include "ui/win32/win32_toolkit.h"
#include "unit/user_edits.h"

namespace tarnix {
namespace {

class FindWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    kit = ui::win32::CreateToolkit(GetModuleHandleW(nullptr), 120);
    program = std::make_unique<Program>(store, *kit);
  }
  void TearDown() override {
    program.reset();
    kit.reset();
  }
  std::pair<int, int> Search(const std::string& what, bool next) {
    program->frmFind.edtStr->SetText(what);
    SearchPlaces(program->ws, program->frmFind, program->frmFind.edtStr->Text(), next);
    return {program->frmFind.area, program->frmFind.position};
  }

  MemoryStore store;
  std::unique_ptr<ui::Toolkit> kit;
  std::unique_ptr<Program> program;
};

TEST_F(FindWin32Test, MatchesBeyondAsciiLandWhereTheHeadlessToolkitPutsThem) {
  Tmform& main = program->mform;
  UserEdit(*main.autoex, {"échec", "Grüße aus Köln"});
  UserEdit(*main.load, "Ärger.exe ÄRGER.exe");
  EXPECT_EQ(Search("grüße", false), std::make_pair(1, 6));
  EXPECT_EQ(main.autoex->SelStart(), 6);
  EXPECT_EQ(Search("KÖLN", false), std::make_pair(1, 16));
  EXPECT_EQ(Search("ärger", false), std::make_pair(8, 0));
  EXPECT_EQ(Search("ärger", true), std::make_pair(8, 10));
  EXPECT_EQ(main.load->SelStart(), 10);
  EXPECT_EQ(Search("ärger", true), std::make_pair(0, 0));
}

}  // namespace
}  // namespace tarnix
