// Where the nine startup places lie on each platform.
#include <gtest/gtest.h>

#include "fakes/store_memory.h"
#include "sources/catalogue.h"

namespace tarnix {
namespace {

const char kShellFolders[] =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Place(const Catalogue& catalogue, const std::string& key) {
  const StartupSection* section = catalogue.Find(key);
  return section ? section->place : "<missing>";
}

TEST(Catalogue, SectionsAreFoundByTheirIdAndRunListsSplitIntoRootAndPath) {
  MemoryStore store;
  Catalogue catalogue = BuildCatalogue(store);
  for (size_t i = 0; i < catalogue.sections.size(); ++i) {
    EXPECT_EQ(SectionIndex(catalogue.sections[i].id), static_cast<int>(i));
    EXPECT_EQ(&catalogue.Section(catalogue.sections[i].id), &catalogue.sections[i]);
  }
  for (int index = 0; index < kRunListCount; ++index) {
    RunKeyLocation split = SplitRunPlace(catalogue.RunList(index).place);
    EXPECT_EQ(split.root, RunListKey(index).root) << index;
    EXPECT_EQ(split.path, RunListKey(index).path) << index;
  }
  EXPECT_EQ(RunListKey(2).root, Root::CurrentUser);
  EXPECT_THROW(RunListKey(3), std::out_of_range);
  EXPECT_THROW(catalogue.RunList(-1), std::out_of_range);
  EXPECT_EQ(catalogue.Find("Nothing"), nullptr);
  EXPECT_EQ(SplitRunPlace("HKEY_LOCAL_MACHINE\\Software\\X").root, Root::LocalMachine);
  EXPECT_EQ(SplitRunPlace("HKEY_CURRENT_USER\\Software\\Y").path, "\\Software\\Y");
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

// The user's StartUp value, and the place it gives ("" for unknown). A path that is not
// absolute would be looked up in whatever folder is current.
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
