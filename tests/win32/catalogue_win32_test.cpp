// The catalogue on the real platform as Wine reports it.
#include <gtest/gtest.h>

#include "base/text_case.h"
#include "platform/store_win32.h"
#include "sources/catalogue.h"

namespace tarnix {
namespace {

TEST(CatalogueWin32, PlacesOfANewPrefix) {
  Win32Store store;
  Catalogue catalogue = BuildCatalogue(store);
  EXPECT_TRUE(catalogue.isNT);
  EXPECT_EQ(catalogue.btnWinsCaption, "Win NT ");
  EXPECT_EQ(FoldCase(catalogue.windowsFolder), "c:\\windows");
  const std::string windows = catalogue.windowsFolder;
  EXPECT_EQ(catalogue.Find("Autoexec")->place, windows + "\\SYSTEM32\\AUTOEXEC.NT");
  EXPECT_EQ(catalogue.Find("Config")->place, windows + "\\SYSTEM32\\CONFIG.NT");
  EXPECT_EQ(catalogue.Find("Winstart")->place, windows + "\\winstart.bat");
  EXPECT_EQ(catalogue.Find("Winini")->place, windows + "\\win.ini");
}

TEST(CatalogueWin32, StartupFoldersComeFromShellFoldersAndExist) {
  Win32Store store;
  Catalogue catalogue = BuildCatalogue(store);
  for (const char* key : {"Startup", "Common Startup"}) {
    const StartupSection* section = catalogue.Find(key);
    ASSERT_NE(section, nullptr) << key;
    EXPECT_TRUE(section->placeKnown) << key;
    ASSERT_GT(section->place.size(), 3u) << key;
    EXPECT_EQ(section->place.back(), '\\') << key;
    EXPECT_NE(section->place.substr(section->place.size() - 2), "\\\\") << key;
    EXPECT_NE(store.GetFileAttributes(section->place) & attr::Directory, 0u) << section->place;
  }
  EXPECT_NE(FoldCase(catalogue.Find("Startup")->place).find("startup"), std::string::npos);
}

TEST(CatalogueWin32, RunListPlacesNameExistingKeys) {
  Win32Store store;
  Catalogue catalogue = BuildCatalogue(store);
  for (int index = 0; index < kRunListCount; ++index) {
    RunKeyLocation location = SplitRunPlace(catalogue.RunList(index).place);
    EXPECT_TRUE(store.KeyExists(location.root, location.path)) << catalogue.RunList(index).place;
  }
}

}  // namespace
}  // namespace tarnix
