// The catalogue: its sections by id, the run lists' keys, and the user's startup folder.
#include <gtest/gtest.h>

#include "fakes/store_memory.h"
#include "platform/registry_keys.h"
#include "sources/catalogue.h"

namespace tarnix {
namespace {

const char kShellFolders[] =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST(Catalogue, SectionsAreFoundByTheirIdAndRunListsSplitIntoRootAndPath) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  for (size_t i = 0; i < catalogue.sections.size(); ++i) {
    EXPECT_EQ(SectionIndex(catalogue.sections[i].id), static_cast<int>(i));
    EXPECT_EQ(&catalogue.Section(catalogue.sections[i].id), &catalogue.sections[i]);
  }
  for (int index = 0; index < kRunListCount; ++index) {
    const RunKeyLocation key = RunListKey(index);
    EXPECT_EQ(catalogue.RunList(index).place, RootName(key.root) + key.path) << index;
  }
  EXPECT_EQ(RunListKey(2).root, Root::CurrentUser);
  EXPECT_THROW(RunListKey(kRegistryListCount), std::out_of_range);
  EXPECT_THROW(catalogue.RunList(-1), std::out_of_range);
  EXPECT_EQ(catalogue.Find("Nothing"), nullptr);
}

// The user's StartUp value and its place; a relative path would hang on the current folder.
struct FolderCase {
  const char* name;  // value name, matched without regard to case
  const char* value;
  const char* place;
};

TEST(CatalogueFolders, TheValueGivesThePlaceOrLeavesItUnknown) {
  const FolderCase cases[] = {
      {"Startup", "D:\\Start", "D:\\Start\\"},
      {"StartUp", "D:\\All\\", "D:\\All\\"},
      {"StartUp", "E:\\", "E:\\"},
      {"StartUp", "\\\\server\\all\\start", "\\\\server\\all\\start\\"},
      {"StartUp", "", ""},
      {"Desktop", "D:\\Start", ""},
      {"StartUp", "\\", ""},
      {"StartUp", "\\\\", ""},
      {"StartUp", "Startup", ""},
      {"StartUp", "Start Menu\\Startup", ""},
      {"StartUp", "C:Startup", ""},
      {"StartUp", "\\Start Menu\\Startup", ""},
      {"StartUp", "%USERPROFILE%\\Startup", ""},
  };
  for (const FolderCase& c : cases) {
    MemoryStore store;
    store.SetString(Root::CurrentUser, kShellFolders, c.name, c.value);
    store.AddFolder("D:\\Start");
    store.AddFolder("D:\\All");
    store.AddFolder("\\\\server\\all\\start");
    const Catalogue catalogue = BuildCatalogue(store);
    const StartupSection& startup = *catalogue.Find("Startup");
    EXPECT_EQ(startup.place, c.place) << c.value;
    EXPECT_EQ(startup.placeKnown, *c.place != '\0') << c.value;
  }
}

TEST(CatalogueFolders, AMissingRefusedOrNonStringValueLeavesThePlaceUnknownAndNoKeyIsMade) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_FALSE(catalogue.Find("Common Startup")->placeKnown);
  EXPECT_FALSE(store.KeyExists(Root::CurrentUser, kShellFolders));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kShellFolders));

  store.SetValue(Root::CurrentUser, kShellFolders, "StartUp",
                 RegValue{regtype::Dword, std::string(4, '\0')});
  store.SetString(Root::LocalMachine, kShellFolders, "Common StartUp", "C:\\All");
  store.AddFolder("C:\\All");
  store.RefuseOpen(Root::LocalMachine, kShellFolders);
  catalogue = BuildCatalogue(store);
  EXPECT_EQ(catalogue.Find("Startup")->place, "");
  EXPECT_EQ(catalogue.Find("Common Startup")->place, "");
  EXPECT_FALSE(catalogue.Find("Common Startup")->placeKnown);
}

}  // namespace
}  // namespace tarnix
