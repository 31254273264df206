// The Win32 store on the real registry and file system: the conformance suite in a scratch
// key and folder, and what only the real platform answers.
#include "base/win32_api.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <random>

#include "base/text_case.h"
#include "base/unicode_win32.h"
#include "conformance/store_conformance.h"
#include "e2e/support/registry.h"
#include "e2e/support/tarnix_process.h"
#include "platform/store_win32.h"
#include "sources/catalogue.h"

namespace tarnix {
namespace {

std::string RandomName() {
  std::random_device device;
  return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(device());
}

// Removes the folder with everything in it, read-only entries included.
void RemoveTree(const std::wstring& folder) {
  std::wstring from = folder + L'\0';  // the list ends with a second NUL
  SHFILEOPSTRUCTW remove{nullptr, FO_DELETE, from.c_str(), nullptr,
                         FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT};
  SHFileOperationW(&remove);
}

class Win32Target : public ConformanceTarget {
 public:
  Win32Target() : name_(RandomName()) {
    wchar_t temp[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, temp);
    folder_ = Narrow(std::wstring(temp, length)) + "TarnixConformance-" + name_;
    CreateDirectoryW(Widen(folder_).c_str(), nullptr);
    EXPECT_TRUE(store_.OpenKey(Root::CurrentUser, scratchKey(), true));
  }
  ~Win32Target() override {
    for (const auto& key : denied_) e2e::SetKeyAccess(HKEY_CURRENT_USER, key, e2e::kFullAccess);
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(scratchKey().substr(1)).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TarnixConformance");
    RemoveTree(Widen(folder_));
  }
  Store& store() override { return store_; }
  Root scratchRoot() const override { return Root::CurrentUser; }
  std::string scratchKey() const override { return "\\Software\\TarnixConformance\\" + name_; }
  std::string scratchFolder() const override { return folder_; }
  std::string LongPath(const std::string& path) override {
    wchar_t buffer[MAX_PATH * 2];
    DWORD length = GetLongPathNameW(Widen(path).c_str(), buffer, MAX_PATH * 2);
    return Narrow(std::wstring(buffer, length));
  }
  void DenyWrites(const std::string& below) override {
    const std::wstring path = Widen(scratchKey().substr(1) + "\\" + below);
    const wchar_t kept[] = L"yes";  // made with the key
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), L"kept", REG_SZ, kept, sizeof kept),
              ERROR_SUCCESS);
    denied_.push_back(path);
    ASSERT_TRUE(e2e::SetKeyAccess(HKEY_CURRENT_USER, path, e2e::kReadOnlyAccess));
  }

 private:
  std::vector<std::wstring> denied_;
  Win32Store store_;
  std::string name_;
  std::string folder_;
};

std::unique_ptr<ConformanceTarget> MakeWin32Target() {
  return std::make_unique<Win32Target>();
}

INSTANTIATE_TEST_SUITE_P(Win32, StoreConformance,
                         testing::Values(ConformanceParam{"Win32Store", &MakeWin32Target}),
                         ConformanceParamName);

std::vector<std::string> Names(Store& store, const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : store.ListFiles(folder, "*.*")) names.push_back(entry.name);
  return names;
}

// String data written by other tools: no terminator, an odd length, a NUL inside, or
// terminators only. Nothing is read past the data, and what is there comes back.
TEST(StoreWin32, StringDataOfOtherToolsIsReadWithinItsBytes) {
  Win32Target target;
  const std::string path = target.scratchKey();
  const std::wstring raw = Widen(path.substr(1));
  auto put = [&](const wchar_t* name, DWORD type, const wchar_t* data, DWORD bytes) {
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, raw.c_str(), name, type, data, bytes),
              ERROR_SUCCESS);
  };
  put(L"Unterminated", REG_SZ, L"abc", 6);
  put(L"Odd", REG_SZ, L"abc", 5);
  put(L"Inner", REG_EXPAND_SZ, L"a\0b", 8);
  put(L"Terminators", REG_SZ, L"\0\0", 4);
  put(L"Nothing", REG_SZ, L"", 0);

  auto key = target.store().OpenKey(Root::CurrentUser, path, false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadString("Unterminated"), "abc");
  EXPECT_EQ(key->ReadString("Odd"), "ab");
  EXPECT_EQ(key->ReadValue("Inner"), (RegValue{regtype::ExpandString, std::string("a\0b", 3)}));
  EXPECT_EQ(key->ReadString("Terminators"), "");
  EXPECT_EQ(key->ReadString("Nothing"), "");
}

// A file that cannot be replaced keeps its content, and the temporary file is gone again.
TEST(StoreWin32, FailedReplacementLeavesTheFileAndNoTemporaryFile) {
  Win32Target target;
  Store& store = target.store();
  const std::string path = target.scratchFolder() + "\\autoexec.bat";
  ASSERT_TRUE(store.SaveLines(path, {"old"}));
  HANDLE held = CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const TextWrite saved = store.SaveLines(path, {"new"});
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.text, "Cannot create file " + path);
  EXPECT_EQ(saved.unencodableLine, std::nullopt);
  const StoreResult written = store.WriteBytes(path, "new");
  EXPECT_FALSE(written);
  EXPECT_EQ(written.text, "Cannot create file " + path);
  CloseHandle(held);
  EXPECT_EQ(store.ReadBytes(path), "old\r\n");
  EXPECT_EQ(Names(store, target.scratchFolder()), std::vector<std::string>{"autoexec.bat"});
}

// The temporary file's name makes the path longer than the old path limit: Wine still
// makes it there, Windows refuses a folder that long or writes in place.
TEST(StoreWin32, FilesInLongFoldersAreReplacedToo) {
  Win32Target target;
  Store& store = target.store();
  const std::string base = target.scratchFolder() + "\\";
  std::string folder;
  for (size_t length : {255u, 247u}) {
    folder = base + std::string(length - base.size(), 'f');
    if (store.CreateFolder(folder))
      break;
  }
  ASSERT_NE(store.GetFileAttributes(folder), kInvalidAttributes) << folder.size();
  const std::string path = folder + "\\config.sys";
  ASSERT_TRUE(store.SaveLines(path, {"FILES=30"}));
  ASSERT_TRUE(store.SaveLines(path, {"FILES=40"}));
  EXPECT_EQ(store.ReadBytes(path), "FILES=40\r\n");
  EXPECT_EQ(Names(store, folder), std::vector<std::string>{"config.sys"});
  // The shell's removal of the scratch folder stops at the old path limit.
  EXPECT_TRUE(store.DeleteFile(path));
  EXPECT_TRUE(store.RemoveFolder(folder));
}

// win.ini's load and run live in the registry on NT; the profile functions must still reach
// them, whole.
TEST(StoreWin32, WinIniLoadAndRunRoundTripWhole) {
  Win32Store store;
  const std::string old = store.ReadProfileString("win.ini", "windows", "load", "");
  const std::string value = std::string(2500, 'l') + " Ärger.exe";
  ASSERT_TRUE(store.WriteProfileString("WIN.INI", "windows", "load", value));
  EXPECT_EQ(store.ReadProfileString("win.ini", "Windows", "LOAD", ""), value);
  ASSERT_TRUE(store.WriteProfileString("win.ini", "windows", "load", old));
}

TEST(StoreWin32, PlatformQueriesAnswerFromTheRealSystem) {
  Win32Store store;
  std::string program = store.ProgramPath();
  EXPECT_NE(FoldCase(program).find("store_win32_test.exe"), std::string::npos) << program;
  EXPECT_NE(store.GetFileAttributes(program), kInvalidAttributes);
  const LocalDateTime now = store.Now();
  EXPECT_TRUE(now.year >= 2020 && now.month >= 1 && now.month <= 12)
      << now.year << "-" << now.month;
  std::string text = store.LongTimeText(LocalDateTime{2001, 5, 17, 16, 44, 3});
  EXPECT_NE(text.find("44"), std::string::npos) << text;
  EXPECT_NE(text.find("03"), std::string::npos) << text;
  EXPECT_TRUE(
      store.KeyExists(Root::LocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion"));
  EXPECT_TRUE(store.KeyExists(Root::CurrentUser, "Software"));
  EXPECT_FALSE(store.DeleteKey(Root::CurrentUser, ""));
  EXPECT_FALSE(store.DeleteKey(Root::CurrentUser, "\\"));
}

// A program's manifest resource, empty when it has none.
std::string ManifestOf(HMODULE module) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  if (found == nullptr)
    return {};
  const void* data = LockResource(LoadResource(module, found));
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

// The manifest of the built tarnix2.exe, read without running it.
std::string ManifestOfTarnix2() {
  HMODULE program = LoadLibraryExW(e2e::ProgramPath().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (program == nullptr)
    return {};
  std::string manifest = ManifestOf(program);
  FreeLibrary(program);
  return manifest;
}

// This test program is built with tarnix2.exe's resources, so it runs under its manifest.
// Windows skips a program that asks for elevation when it starts the Run key's entries at
// logon, and virtualizes the writes of one that declares no level: ours runs as its caller.
TEST(StoreWin32, ManifestOfTarnix2RunsAsItsCallerAndIsThisProgramsToo) {
  const std::string manifest = ManifestOfTarnix2();
  ASSERT_FALSE(manifest.empty()) << Narrow(e2e::ProgramPath());
  EXPECT_EQ(ManifestOf(nullptr), manifest);
  EXPECT_NE(manifest.find("name=\"Movenda.Tarnix2\""), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
            std::string::npos)
      << manifest;
  EXPECT_EQ(manifest.find("requireAdministrator"), std::string::npos);
}

// Windows tells a program an older version than its own unless the program's manifest names
// it as supported. Ours names every system up to Windows 10, so the version line shows the
// system's true version. The tests' prefix is Windows 10: Wine tells 10.0 build 18362 to a
// program with this manifest and 6.2 build 9200 to one without it.
TEST(StoreWin32, PlatformVersionIsWhatWindowsTellsAProgramWithOurManifest) {
  const std::string manifest = ManifestOf(nullptr);
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos)
      << "the manifest does not name Windows 10";

  const PlatformVersionInfo version = Win32Store().PlatformVersion();
  EXPECT_EQ(version.platformId, 2u);
  EXPECT_EQ(std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
                std::to_string(version.build) + " " + version.servicePack,
            "10.0.18362 ");
}

// Windows 10 can make UTF-8 the ANSI code page, where the conversion refuses the flags of
// the others; a failed conversion must never pass for an empty text that fits.
TEST(UnicodeWin32, CodePageConversionReportsWhatDoesNotFit) {
  bool lossless = false;
  EXPECT_EQ(ToCodePage("Grüße ✓ 日本", CP_UTF8, &lossless), "Grüße ✓ 日本");
  EXPECT_TRUE(lossless);
  EXPECT_EQ(ToCodePage("Grüße", 1252, &lossless),
            "Gr\xFC\xDF"
            "e");
  EXPECT_TRUE(lossless);
  ToCodePage("✓", 1252, &lossless);
  EXPECT_FALSE(lossless);
  EXPECT_EQ(ToCodePage("x", 12345, &lossless), "");  // no such code page
  EXPECT_FALSE(lossless);
  EXPECT_EQ(ToCodePage("", 1252, &lossless), "");
  EXPECT_TRUE(lossless);
}

TEST(TextCaseWin32, FoldsAndUppersBeyondAscii) {
  EXPECT_EQ(FoldCase("ÄRGER Tool.EXE"), "ärger tool.exe");
  EXPECT_EQ(UpperCase("ärger tool.exe"), "ÄRGER TOOL.EXE");
  EXPECT_EQ(FoldCase(""), "");
}

// The catalogue of startup places as Wine's new prefix reports them: each one exists.
TEST(CatalogueWin32, PlacesOfANewPrefix) {
  Win32Store store;
  const Catalogue catalogue = BuildCatalogue(store);
  EXPECT_TRUE(catalogue.isNT);
  EXPECT_EQ(catalogue.btnWinsCaption, "Win NT ");
  EXPECT_EQ(FoldCase(catalogue.windowsFolder), "c:\\windows");
  const std::string windows = catalogue.windowsFolder;
  EXPECT_EQ(catalogue.Find("Autoexec")->place, windows + "\\SYSTEM32\\AUTOEXEC.NT");
  EXPECT_EQ(catalogue.Find("Config")->place, windows + "\\SYSTEM32\\CONFIG.NT");
  EXPECT_EQ(catalogue.Find("Winstart")->place, windows + "\\winstart.bat");
  EXPECT_EQ(catalogue.Find("Winini")->place, windows + "\\win.ini");
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
  for (int index = 0; index < kRunListCount; ++index) {
    RunKeyLocation location = SplitRunPlace(catalogue.RunList(index).place);
    EXPECT_TRUE(store.KeyExists(location.root, location.path)) << catalogue.RunList(index).place;
  }
}

}  // namespace
}  // namespace tarnix
