// Where the nine startup places lie on each platform.
#include <gtest/gtest.h>

#include "fakes/store_memory.h"
#include "sources/catalogue.h"

namespace tarnix {
namespace {

const char kShellFolders[] =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::vector<std::string> Keys(const Catalogue& catalogue) {
  std::vector<std::string> keys;
  for (const auto& section : catalogue.sections) keys.push_back(section.key);
  return keys;
}

std::string Place(const Catalogue& catalogue, const std::string& key) {
  const StartupSection* section = catalogue.Find(key);
  return section ? section->place : "<missing>";
}

TEST(Catalogue, NineRecordsInTheCatalogueOrderWithTheirKinds) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_EQ(Keys(catalogue), (std::vector<std::string>{"HKLM_Run", "HKLM_RunService", "HKCU_Run",
                                                       "Autoexec", "Config", "Winini", "Winstart",
                                                       "Startup", "Common Startup"}));
  std::vector<SectionKind> kinds;
  for (const auto& section : catalogue.sections) kinds.push_back(section.kind);
  EXPECT_EQ(kinds, (std::vector<SectionKind>{kindRunList, kindRunList, kindRunList, kindTextFile,
                                             kindTextFile, kindWinIni, kindTextFile, kindFolder,
                                             kindFolder}));
  for (size_t i = 0; i < catalogue.sections.size(); ++i) {
    EXPECT_EQ(SectionIndex(catalogue.sections[i].id), static_cast<int>(i));
    EXPECT_EQ(&catalogue.Section(catalogue.sections[i].id), &catalogue.sections[i]);
  }
}

TEST(Catalogue, RunListPlacesAndIndexes) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_EQ(Place(catalogue, "HKLM_Run"),
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(Place(catalogue, "HKLM_RunService"),
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices");
  EXPECT_EQ(Place(catalogue, "HKCU_Run"),
            "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  for (int index = 0; index < kRunListCount; ++index) {
    RunKeyLocation split = SplitRunPlace(catalogue.RunList(index).place);
    RunKeyLocation expected = RunListKey(index);
    EXPECT_EQ(split.root, expected.root) << index;
    EXPECT_EQ(split.path, expected.path) << index;
  }
  EXPECT_EQ(catalogue.RunList(1).key, "HKLM_RunService");
  EXPECT_EQ(RunListKey(2).root, Root::CurrentUser);
  EXPECT_THROW(RunListKey(3), std::out_of_range);
  EXPECT_THROW(catalogue.RunList(-1), std::out_of_range);
  EXPECT_EQ(catalogue.Find("Nothing"), nullptr);
}

TEST(Catalogue, SplitRunPlaceTellsRootsApartByTheFirstTenCharacters) {
  RunKeyLocation machine = SplitRunPlace("HKEY_LOCAL_MACHINE\\Software\\X");
  EXPECT_EQ(machine.root, Root::LocalMachine);
  EXPECT_EQ(machine.path, "\\Software\\X");
  RunKeyLocation user = SplitRunPlace("HKEY_CURRENT_USER\\Software\\Y");
  EXPECT_EQ(user.root, Root::CurrentUser);
  EXPECT_EQ(user.path, "\\Software\\Y");
  EXPECT_EQ(SplitRunPlace("HKEY").path, "");
}

struct PlatformCase {
  const char* name;
  PlatformPreset preset;
  bool isNT;
  const char* caption;
  const char* autoexec;
  const char* config;
};

void PrintTo(const PlatformCase& c, std::ostream* out) {
  *out << c.name;
}

class CataloguePlatform : public testing::TestWithParam<PlatformCase> {};

TEST_P(CataloguePlatform, ClassificationCaptionAndTextFiles) {
  const PlatformCase& c = GetParam();
  MemoryStore store;
  store.SetPlatform(c.preset);
  store.SetWindowsFolder(c.isNT ? "C:\\WINNT" : "C:\\WINDOWS");
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_EQ(catalogue.isNT, c.isNT);
  EXPECT_EQ(catalogue.btnWinsCaption, c.caption);
  EXPECT_EQ(catalogue.windowsFolder, store.WindowsFolder());
  EXPECT_EQ(Place(catalogue, "Autoexec"), c.autoexec);
  EXPECT_EQ(Place(catalogue, "Config"), c.config);
  EXPECT_EQ(Place(catalogue, "Winstart"), store.WindowsFolder() + "\\winstart.bat");
  EXPECT_EQ(Place(catalogue, "Winini"), store.WindowsFolder() + "\\win.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Presets, CataloguePlatform,
    testing::Values(PlatformCase{"Windows95", PlatformPreset::Windows95, false, "Win95/98",
                                 "C:\\AUTOEXEC.BAT", "C:\\CONFIG.SYS"},
                    PlatformCase{"Windows98", PlatformPreset::Windows98, false, "Win95/98",
                                 "C:\\AUTOEXEC.BAT", "C:\\CONFIG.SYS"},
                    PlatformCase{"NT4", PlatformPreset::NT4, true, "Win NT ",
                                 "C:\\WINNT\\SYSTEM32\\AUTOEXEC.NT",
                                 "C:\\WINNT\\SYSTEM32\\CONFIG.NT"},
                    PlatformCase{"Windows10", PlatformPreset::Windows10, true, "Win NT ",
                                 "C:\\WINNT\\SYSTEM32\\AUTOEXEC.NT",
                                 "C:\\WINNT\\SYSTEM32\\CONFIG.NT"}),
    [](const testing::TestParamInfo<PlatformCase>& info) { return std::string(info.param.name); });

TEST(Catalogue, Win32sIsNotNT) {
  MemoryStore store;
  store.SetPlatformVersion(PlatformVersionInfo{0, 3, 11, 0, ""});
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_FALSE(catalogue.isNT);
  EXPECT_EQ(catalogue.btnWinsCaption, "Win32s");
}

TEST(CatalogueFolders, ShellFoldersValuesGiveThePlacesWithABackslash) {
  MemoryStore store;
  SeededShellFolders seeded = store.SeedShellFolders();
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_EQ(Place(catalogue, "Startup"), seeded.startup + "\\");
  EXPECT_EQ(Place(catalogue, "Common Startup"), seeded.commonStartup + "\\");
  EXPECT_TRUE(catalogue.Find("Startup")->placeKnown);
  EXPECT_TRUE(catalogue.Find("Common Startup")->placeKnown);
}

TEST(CatalogueFolders, ValueNamesMatchWithoutRegardToCase) {
  MemoryStore store;
  store.SetString(Root::CurrentUser, kShellFolders, "Startup", "D:\\Start");
  store.SetString(Root::LocalMachine, kShellFolders, "common startup", "D:\\All\\");
  store.AddFolder("D:\\Start");
  store.AddFolder("D:\\All");
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_EQ(Place(catalogue, "Startup"), "D:\\Start\\");
  EXPECT_EQ(Place(catalogue, "Common Startup"), "D:\\All\\");
}

TEST(CatalogueFolders, DriveRootsAndNetworkFoldersGetOneBackslash) {
  MemoryStore store;
  store.SetString(Root::CurrentUser, kShellFolders, "StartUp", "E:\\");
  store.SetString(Root::LocalMachine, kShellFolders, "Common StartUp", "\\\\server\\all\\start");
  store.AddFolder("\\\\server\\all\\start");
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_EQ(Place(catalogue, "Startup"), "E:\\");
  EXPECT_EQ(Place(catalogue, "Common Startup"), "\\\\server\\all\\start\\");
  EXPECT_TRUE(catalogue.Find("Common Startup")->placeKnown);
}

// Such a value would be looked up in whatever folder is current.
TEST(CatalogueFolders, AValueThatIsNoAbsolutePathLeavesThePlaceUnknown) {
  for (const char* value : {"\\", "\\\\", "Startup", "Start Menu\\Startup", "C:Startup",
                            "\\Start Menu\\Startup", "%USERPROFILE%\\Startup"}) {
    MemoryStore store;
    store.SetString(Root::CurrentUser, kShellFolders, "StartUp", value);
    Catalogue catalogue = BuildCatalogue(store);
    EXPECT_FALSE(catalogue.Find("Startup")->placeKnown) << value;
    EXPECT_EQ(catalogue.Find("Startup")->place, "") << value;
  }
}

TEST(CatalogueFolders, MissingKeyLeavesThePlaceUnknown) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  for (const char* key : {"Startup", "Common Startup"}) {
    EXPECT_EQ(catalogue.Find(key)->place, "") << key;
    EXPECT_FALSE(catalogue.Find(key)->placeKnown) << key;
  }
}

TEST(CatalogueFolders, RefusedKeyMissingEmptyOrNonStringValueLeavesThePlaceUnknown) {
  MemoryStore store;
  store.SetString(Root::CurrentUser, kShellFolders, "Desktop", "C:\\Desktop");
  store.SetString(Root::LocalMachine, kShellFolders, "Common StartUp", "");
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_FALSE(catalogue.Find("Startup")->placeKnown);
  EXPECT_FALSE(catalogue.Find("Common Startup")->placeKnown);
  EXPECT_EQ(catalogue.Find("Common Startup")->place, "");

  store.SetValue(Root::CurrentUser, kShellFolders, "StartUp",
                 RegValue{regtype::Dword, std::string(4, '\0')});
  store.SetString(Root::LocalMachine, kShellFolders, "Common StartUp", "C:\\All");
  store.RefuseOpen(Root::LocalMachine, kShellFolders);
  catalogue = BuildCatalogue(store);
  EXPECT_FALSE(catalogue.Find("Startup")->placeKnown);
  EXPECT_EQ(catalogue.Find("Startup")->place, "");
  EXPECT_FALSE(catalogue.Find("Common Startup")->placeKnown);
  EXPECT_EQ(catalogue.Find("Common Startup")->place, "");
}

TEST(CatalogueFolders, BuildingNeverCreatesTheShellFoldersKey) {
  MemoryStore store;
  BuildCatalogue(store);
  EXPECT_FALSE(store.KeyExists(Root::CurrentUser, kShellFolders));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kShellFolders));
}

}  // namespace
}  // namespace tarnix
