// The event log's source: the first launch registers it, the uninstall removes it, and a
// registry that refuses either is told.
#include "platform/event_log.h"
#include "unit/setup_fixture.h"
#include "watchdog/save_command.h"

namespace tarnix {
namespace {

class EventSourceTest : public SetupTest {
 protected:
  // A first launch with every box, then the uninstall: how many boxes told of the source.
  long InstallAndUninstall(bool refuseInstall, bool refuseUninstall) {
    const auto refuse = [this](bool refused) {
      store.ClearFaults();
      if (refused)
        store.RefuseWrite(Root::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Services\\EventLog");
    };
    refuse(refuseInstall);
    Start({"/c"});
    FirstLaunchActions(program->ws, {true, true, true}, Recorder());
    EXPECT_TRUE(SaveSnapshot(program->ws));
    auto key = store.OpenKey(Root::LocalMachine, kEventSourceKey, false);
    registered = key ? key->ReadValues() : std::vector<NamedValue>{};
    messageFile = key ? key->ReadValue("EventMessageFile") : std::nullopt;
    refuse(refuseUninstall);
    toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    Start({"/u"});
    const auto seen = toolkit.TakeMessages();
    return std::count_if(seen.begin(), seen.end(), [](const auto& box) {
      return box.text.find(kEventSourceKey) != std::string::npos;
    });
  }

  std::vector<NamedValue> registered;
  std::optional<RegValue> messageFile;
};

TEST_F(EventSourceTest, TheProgramIsTheMessageFileUntilTheUninstall) {
  EXPECT_EQ(InstallAndUninstall(false, false), 0);
  EXPECT_EQ(registered.size(), 2u);
  EXPECT_EQ(messageFile, (RegValue{regtype::ExpandString, kProgramPath}));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kEventSourceKey));
  EXPECT_GT(InstallAndUninstall(true, false), 0);
  EXPECT_TRUE(registered.empty());
  EXPECT_GT(InstallAndUninstall(false, true), 0);
  EXPECT_TRUE(store.KeyExists(Root::LocalMachine, kEventSourceKey));
}

}  // namespace
}  // namespace tarnix
