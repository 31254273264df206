#include "conformance/store_conformance.h"

#include "platform/registry_keys.h"

#include <algorithm>
#include <set>

#include "base/text_case.h"

namespace tarnix {

// Test programs that do not test a store link this file too.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StoreConformance);

std::string StoreConformance::Key(const std::string& below) const {
  return below.empty() ? target_->scratchKey() : target_->scratchKey() + "\\" + below;
}

std::string StoreConformance::File(const std::string& name) const {
  return target_->scratchFolder() + "\\" + name;
}

OpenedKey StoreConformance::OpenScratch(const std::string& below, bool create) {
  return store().OpenKey(root(), Key(below), create);
}

namespace {

using Names = std::set<std::string>;

Names AsSet(const std::vector<std::string>& names) {
  return Names(names.begin(), names.end());
}

Names Listed(Store& store, const std::string& folder, const std::string& pattern = "*.*") {
  Names names;
  for (const auto& entry : store.ListFiles(folder, pattern)) names.insert(entry.name);
  return names;
}

uint32_t ListedAttributes(Store& store, const std::string& folder, const std::string& name) {
  for (const auto& entry : store.ListFiles(folder, "*.*")) {
    if (entry.name == name)
      return entry.attributes;
  }
  return kInvalidAttributes;
}

std::string Dword(uint32_t number) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>(number >> (8 * i));
  return bytes;
}

using Lines = std::vector<std::string>;

// ---------------------------------------------------------------- registry values

TEST_P(StoreConformance, ValuesRoundTripWithTheirTypesAndOnlyStringsReadAsText) {
  const std::pair<std::string, RegValue> values[] = {
      {"Plain", {regtype::String, "C:\\Tools\\a.exe -x \"quoted\""}},
      {"Expandable", {regtype::ExpandString, "%SystemRoot%\\system32\\tool.exe /q"}},
      {"Number", {regtype::Dword, Dword(0x01020304)}},
      {"Bytes", {regtype::Binary, std::string("\x00\x01\xFF\x80", 4)}},
      {"NoData", {regtype::Binary, ""}},
      {"Empty", {regtype::String, ""}},
      {"", {regtype::String, "default value"}},
      // UTF-16 "a.exe", "b c", then the closing empty string.
      {"List", {regtype::MultiString, std::string("a\0.\0e\0x\0e\0\0\0b\0 \0c\0\0\0\0\0", 22)}},
      {"Big", {regtype::Qword, std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8)}},
  };
  auto key = OpenScratch();
  ASSERT_TRUE(key);
  for (const auto& [name, value] : values) EXPECT_TRUE(key->WriteValue(name, value)) << name;
  auto reopened = OpenScratch("", false);
  ASSERT_TRUE(reopened);
  for (const auto& [name, value] : values) EXPECT_EQ(reopened->ReadValue(name), value) << name;
  EXPECT_EQ(reopened->ReadString("Expandable"), "%SystemRoot%\\system32\\tool.exe /q");
  EXPECT_EQ(reopened->ReadString(""), "default value");
  EXPECT_EQ(reopened->ReadString("Missing"), "");
  EXPECT_EQ(reopened->ReadValue("Missing"), std::nullopt);
  for (const char* name : {"Number", "List", "Bytes", "Big"}) {
    try {
      reopened->ReadString(name);
      ADD_FAILURE() << "reading " << name << " as text must raise";
    } catch (const StoreError& error) {
      EXPECT_EQ(std::string(error.what()), std::string("Invalid data type for '") + name + "'");
    }
  }
}

TEST_P(StoreConformance, KeyAndValueNamesIgnoreCaseAndKeepTheirCase) {
  auto key = OpenScratch("MixedCase\\Sub");
  ASSERT_TRUE(key);
  EXPECT_TRUE(key->WriteValue("CamelName", RegValue{regtype::Dword, Dword(1)}));
  EXPECT_TRUE(key->WriteString("CAMELNAME", "v"));
  auto other = OpenScratch("mixedcase\\SUB", false);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->ReadValue("camelname"), (RegValue{regtype::String, "v"}));
  EXPECT_EQ(other->GetValueNames(), std::vector<std::string>{"CamelName"});
  EXPECT_EQ(OpenScratch("", false)->GetKeyNames(), std::vector<std::string>{"MixedCase"});
  EXPECT_TRUE(store().KeyExists(root(), Key("MIXEDCASE")));
}

TEST_P(StoreConformance, NonAsciiNamesAndDataComeBackUnchanged) {
  const std::string text = "Ärger ✓ 日本";
  auto key = OpenScratch(text);
  ASSERT_TRUE(key);
  EXPECT_TRUE(key->WriteString(text, text + " data"));
  EXPECT_TRUE(
      key->WriteValue("expand " + text, RegValue{regtype::ExpandString, "%TEMP%\\" + text}));
  auto reopened = OpenScratch(text, false);
  ASSERT_TRUE(reopened);
  EXPECT_EQ(reopened->ReadString(text), text + " data");
  EXPECT_EQ(reopened->ReadValue("expand " + text)->data, "%TEMP%\\" + text);
  EXPECT_EQ(AsSet(reopened->GetValueNames()), (Names{text, "expand " + text}));
  EXPECT_EQ(OpenScratch("", false)->GetKeyNames(), std::vector<std::string>{text});
}

// ---------------------------------------------------------------- registry keys

TEST_P(StoreConformance, LeadingBackslashIsOptional) {
  std::string withSlash = Key("Slash");
  ASSERT_EQ(withSlash.front(), '\\');
  std::string withoutSlash = withSlash.substr(1);
  EXPECT_TRUE(store().OpenKey(root(), withoutSlash, true)->WriteString("a", "1"));
  EXPECT_EQ(store().OpenKey(root(), withSlash, false)->ReadString("a"), "1");
  EXPECT_TRUE(store().KeyExists(root(), withoutSlash));
  EXPECT_TRUE(store().DeleteKey(root(), withoutSlash));
  EXPECT_FALSE(store().KeyExists(root(), withSlash));
}

// 32-bit installers write HKLM\Software through a key of their own; the user's keys are shared.
TEST_P(StoreConformance, The32BitViewHasItsOwnMachineSoftwareAndSharesTheUsersKeys) {
  const std::string path = "\\Software\\TarnixConformanceView";
  const std::string beneath = "\\Software\\WOW6432Node\\TarnixConformanceView";
  const OpenedKey written = store().OpenKey(Root::LocalMachine, path, true, RegView::Bits32);
  ASSERT_TRUE(written);
  EXPECT_TRUE(written->WriteString("v", "32"));
  EXPECT_EQ(store().OpenKey(Root::LocalMachine, path, false, RegView::Bits32)->ReadString("v"),
            "32");
  EXPECT_FALSE(store().KeyExists(Root::LocalMachine, path));
  EXPECT_TRUE(store().DeleteKey(Root::LocalMachine, beneath));
  EXPECT_TRUE(OpenScratch()->WriteString("u", "1"));
  EXPECT_EQ(store().OpenKey(root(), Key(), false, RegView::Bits32)->ReadString("u"), "1");
}

TEST_P(StoreConformance, DeleteKeyRemovesEverythingBelow) {
  EXPECT_TRUE(OpenScratch("Tree\\A\\A1")->WriteString("v", "1"));
  EXPECT_TRUE(OpenScratch("Tree\\B")->WriteString("v", "2"));
  EXPECT_TRUE(OpenScratch("Tree")->WriteString("top", "3"));
  EXPECT_TRUE(OpenScratch("Sibling")->WriteString("v", "4"));
  EXPECT_TRUE(store().DeleteKey(root(), Key("Tree")));
  EXPECT_FALSE(store().KeyExists(root(), Key("Tree")));
  EXPECT_FALSE(store().KeyExists(root(), Key("Tree\\A\\A1")));
  EXPECT_EQ(OpenScratch("", false)->GetKeyNames(), std::vector<std::string>{"Sibling"});
  EXPECT_FALSE(store().DeleteKey(root(), Key("Tree")));
}

TEST_P(StoreConformance, NamesAreEnumeratedCompletelyAndDeletedOneByOne) {
  auto key = OpenScratch();
  for (const char* name : {"Line10", "Line9", "Line100", "zeta", "Alpha"}) {
    EXPECT_TRUE(key->WriteString(name, name));
    EXPECT_TRUE(OpenScratch(std::string("K") + name));
  }
  EXPECT_EQ(AsSet(key->GetValueNames()), (Names{"Line10", "Line9", "Line100", "zeta", "Alpha"}));
  EXPECT_EQ(AsSet(key->GetKeyNames()), (Names{"KLine10", "KLine9", "KLine100", "Kzeta", "KAlpha"}));
  EXPECT_TRUE(key->DeleteValue("LINE9"));
  EXPECT_FALSE(key->DeleteValue("Line9"));
  EXPECT_EQ(AsSet(key->GetValueNames()), (Names{"Line10", "Line100", "zeta", "Alpha"}));
  EXPECT_TRUE(OpenScratch("KLine9", false)->GetValueNames().empty());
}

TEST_P(StoreConformance, AKeysStampMovesWithEveryWriteOfItsValuesAndOnlyThen) {
  auto key = OpenScratch();
  EXPECT_TRUE(key->WriteString("Line1", "a"));
  const auto written = key->Stamp();
  ASSERT_TRUE(written);
  EXPECT_EQ(written->values, 1u);
  EXPECT_EQ(key->ReadString("Line1"), "a");
  EXPECT_EQ(OpenScratch("", false)->Stamp(), written);
  EXPECT_TRUE(key->WriteString("Line1", "b"));
  const auto rewritten = key->Stamp();
  EXPECT_NE(rewritten, written);
  EXPECT_TRUE(key->DeleteValue("Line1"));
  EXPECT_NE(key->Stamp(), rewritten);
}

TEST_P(StoreConformance, ReadValuesGivesEveryValueWithItsTypeInTheOrderOfTheNames) {
  auto key = OpenScratch();
  EXPECT_TRUE(key->ReadValues().empty());
  EXPECT_EQ(key->ValueCount(), std::optional<size_t>(0));
  const std::string longName(300, 'n');
  const std::string longData(10000, 'd');
  EXPECT_TRUE(key->WriteString("Line2", "second"));
  EXPECT_TRUE(key->WriteValue("Path", RegValue{regtype::ExpandString, "%SystemRoot%\\x.exe"}));
  EXPECT_TRUE(key->WriteValue("Count", RegValue{regtype::Dword, Dword(7)}));
  EXPECT_TRUE(key->WriteString("Empty", ""));
  EXPECT_TRUE(key->WriteString(longName, longData));
  EXPECT_TRUE(OpenScratch("Subkey"));
  const std::vector<NamedValue> values = key->ReadValues();
  std::vector<std::string> names;
  for (const NamedValue& entry : values) {
    names.push_back(entry.name);
    EXPECT_EQ(key->ReadValue(entry.name), std::optional<RegValue>(entry.value)) << entry.name;
  }
  EXPECT_EQ(names, key->GetValueNames());
  EXPECT_EQ(AsSet(names), (Names{"Line2", "Path", "Count", "Empty", longName}));
  EXPECT_EQ(key->ValueCount(), std::optional<size_t>(5));
  ASSERT_TRUE(key->DeleteValue("Count"));
  EXPECT_EQ(key->ValueCount(), std::optional<size_t>(4));
  EXPECT_EQ(key->ReadValues().size(), 4u);
}

// ---------------------------------------------------------------- profile files

TEST_P(StoreConformance, ProfileValuesAreReadWhole) {
  const std::string ini = File("conformance.ini");
  const std::string longValue = std::string(2990, 'x') + "0123456789";
  ASSERT_TRUE(store().WriteProfileString(ini, "windows", "load", longValue));
  ASSERT_TRUE(store().WriteProfileString(ini, "windows", "run", "b.exe"));
  EXPECT_EQ(store().ReadProfileString(ini, "windows", "load", ""), longValue);
  EXPECT_EQ(store().ReadProfileString(ini, "WINDOWS", "Run", ""), "b.exe");
  EXPECT_EQ(store().ReadProfileString(ini, "windows", "absent", "fallback"), "fallback");
  EXPECT_EQ(store().ReadProfileString(ini, "nosection", "load", ""), "");
  ASSERT_TRUE(store().WriteProfileString(ini, "windows", "run", ""));
  EXPECT_EQ(store().ReadProfileString(ini, "windows", "run", "fallback"), "");
}

// ---------------------------------------------------------------- text files

TEST_P(StoreConformance, LoadLinesSplitsAtEveryKindOfBreak) {
  const std::pair<std::string, Lines> files[] = {
      {"one\r\ntwo\r\n\r\nfour\r\n", {"one", "two", "", "four"}},
      {"one\ntwo\n", {"one", "two"}},
      {"one\rtwo", {"one", "two"}},
      {"a\r\nb\nc\rd\n\re", {"a", "b", "c", "d", "", "e"}},
      {"first\r\nno break at the end", {"first", "no break at the end"}},
      {"", {}},
      {"\r\n", {""}},
  };
  for (const auto& [bytes, lines] : files) {
    EXPECT_TRUE(store().WriteBytes(File("lines.txt"), bytes));
    EXPECT_EQ(store().LoadLines(File("lines.txt")), lines) << ::testing::PrintToString(bytes);
  }
  EXPECT_EQ(store().LoadLines(File("missing.txt")), std::nullopt);
  EXPECT_EQ(store().ReadBytes(File("missing.txt")), std::nullopt);
}

TEST_P(StoreConformance, UneditedLinesAreWrittenBackByteForByte) {
  // Every byte but the breaks, the five the code page leaves unassigned among them, and a NUL.
  std::string bytes("nul\0inside\r\n\r\n", 14);
  for (int byte = 1; byte < 256; ++byte) {
    if (byte != '\r' && byte != '\n')
      bytes += static_cast<char>(byte);
    if (byte % 32 == 0)
      bytes += "\r\n";
  }
  bytes += "\r\n";
  const std::string path = File("every byte.bat");
  EXPECT_TRUE(store().WriteBytes(path, bytes));
  auto lines = store().LoadLines(path);
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(lines->front(), std::string("nul\0inside", 10));
  EXPECT_EQ(lines->at(1), "");
  ASSERT_TRUE(store().SaveLines(path, *lines));
  EXPECT_EQ(store().ReadBytes(path), bytes);
}

TEST_P(StoreConformance, SaveLinesWritesCrLfAndReplacesTheWholeFile) {
  const std::string path = File("autoexec.bat");
  ASSERT_TRUE(store().SaveLines(path, {"@echo off", "", "path c:\\dos;c:\\windows", "rem end"}));
  EXPECT_EQ(store().ReadBytes(path), "@echo off\r\n\r\npath c:\\dos;c:\\windows\r\nrem end\r\n");
  ASSERT_TRUE(store().SaveLines(path, {"short"}));
  EXPECT_EQ(store().ReadBytes(path), "short\r\n");
  ASSERT_TRUE(store().SaveLines(path, {}));
  EXPECT_EQ(store().ReadBytes(path), "");
  EXPECT_EQ(Listed(store(), target_->scratchFolder()), Names{"autoexec.bat"});
}

TEST_P(StoreConformance, SaveLinesAndWriteBytesKeepHiddenAndReadOnly) {
  const std::string path = File("config.sys");
  ASSERT_TRUE(store().SaveLines(path, {"FILES=30"}));
  const uint32_t kept = attr::Hidden | attr::ReadOnly | attr::System;
  ASSERT_TRUE(store().SetFileAttributes(path, kept));
  ASSERT_TRUE(store().SaveLines(path, {"FILES=40", "BUFFERS=20"}));
  EXPECT_EQ(store().LoadLines(path), (Lines{"FILES=40", "BUFFERS=20"}));
  EXPECT_EQ(store().GetFileAttributes(path) & kept, kept);
  EXPECT_TRUE(store().WriteBytes(path, "raw"));
  EXPECT_EQ(store().ReadBytes(path), "raw");
  EXPECT_EQ(store().GetFileAttributes(path) & kept, kept);
  EXPECT_EQ(Listed(store(), target_->scratchFolder()), Names{"config.sys"});
  EXPECT_TRUE(store().SetFileAttributes(path, attr::Normal));
}

TEST_P(StoreConformance, AppendTextCreatesAndAppends) {
  const std::string path = File("tx2log.txt");
  ASSERT_TRUE(store().AppendText(path, "first\r\n"));
  ASSERT_TRUE(store().AppendText(path, "second Grüße\r\n"));
  EXPECT_EQ(store().LoadLines(path), (Lines{"first", "second Grüße"}));
  ASSERT_TRUE(store().SetFileAttributes(path, attr::Hidden));
  EXPECT_TRUE(store().AppendText(path, "third"));
  EXPECT_EQ(store().LoadLines(path), (Lines{"first", "second Grüße", "third"}));
}

TEST_P(StoreConformance, TextOutsideTheCodePageIsNotWrittenAndItsLineIsNamed) {
  const std::string path = File("ansi.txt");
  ASSERT_TRUE(store().SaveLines(path, {"kept"}));
  const TextWrite refused = store().SaveLines(path, {"Grüße", "", "✓ 日本", "later ✓"});
  EXPECT_EQ(refused.unencodableLine, 2u);
  EXPECT_EQ(refused.failure, StoreFailure::Other);
  EXPECT_EQ(refused.text, "Line 3 of " + path +
                              " holds a character that the file's code page cannot store, so "
                              "nothing was written:\n✓ 日本");
  EXPECT_FALSE(store().AppendText(path, "日本"));
  EXPECT_EQ(store().ReadBytes(path), "kept\r\n");
  // A line that does not fit is told before a file that cannot be written.
  const std::string noFolder = File("no folder\\a.txt");
  EXPECT_EQ(store().SaveLines(noFolder, {"✓"}).unencodableLine, 0u);
  const TextWrite failed = store().SaveLines(noFolder, {"fits"});
  EXPECT_FALSE(failed.unencodableLine);
  EXPECT_EQ(failed.text, "Cannot create file " + noFolder);
}

TEST_P(StoreConformance, AnsiBytesHoldOnlyWhatTheCodePageHolds) {
  EXPECT_EQ(store().AnsiBytes("Grüße \\ \"x\""),
            "Gr\xFC\xDF"
            "e \\ \"x\"");
  EXPECT_EQ(store().AnsiBytes(""), "");
  EXPECT_EQ(store().AnsiBytes("日本"), std::nullopt);
  EXPECT_EQ(store().AnsiBytes("ok ✓"), std::nullopt);
}

TEST_P(StoreConformance, NonAsciiFileNamesAndText) {
  const std::string path = File("Grüße.txt");
  ASSERT_TRUE(store().SaveLines(path, {"Grüße aus Köln"}));
  EXPECT_EQ(store().ReadBytes(path), "Gr\xFC\xDF\x65 aus K\xF6ln\r\n");
  EXPECT_EQ(Listed(store(), target_->scratchFolder()), Names{"Grüße.txt"});
  EXPECT_EQ(store().LoadLines(path), Lines{"Grüße aus Köln"});
  EXPECT_EQ(store().LoadLines(File("GRÜßE.TXT")), Lines{"Grüße aus Köln"});
  EXPECT_TRUE(store().DeleteFile(path));
}

// ---------------------------------------------------------------- folders

TEST_P(StoreConformance, ListFilesShowsHiddenSystemAndFoldersButNeverDots) {
  const std::string folder = target_->scratchFolder();
  EXPECT_TRUE(store().WriteBytes(File("plain.lnk"), ""));
  EXPECT_TRUE(store().WriteBytes(File("hidden.lnk"), ""));
  EXPECT_TRUE(store().WriteBytes(File("system.ini"), ""));
  ASSERT_TRUE(store().SetFileAttributes(File("hidden.lnk"), attr::Hidden));
  ASSERT_TRUE(store().SetFileAttributes(File("system.ini"), attr::System | attr::Hidden));
  ASSERT_TRUE(store().CreateFolder(File("Sub")));
  ASSERT_TRUE(store().CreateFolder(File("ReadOnlySub")));
  ASSERT_TRUE(store().SetFileAttributes(File("ReadOnlySub"), attr::ReadOnly));

  const Names all{"plain.lnk", "hidden.lnk", "system.ini", "Sub", "ReadOnlySub"};
  EXPECT_EQ(Listed(store(), folder), all);
  EXPECT_EQ(Listed(store(), folder + "\\"), all);
  EXPECT_EQ(Listed(store(), folder, "*.lnk"), (Names{"plain.lnk", "hidden.lnk"}));
  EXPECT_EQ(ListedAttributes(store(), folder, "Sub") & 0x3F, attr::Directory);
  // Wine does not keep the read-only mark of a folder; Windows does.
  EXPECT_NE(ListedAttributes(store(), folder, "ReadOnlySub") & attr::Directory, 0u);
  EXPECT_EQ(ListedAttributes(store(), folder, "hidden.lnk") & attr::Hidden, attr::Hidden);
  EXPECT_EQ(ListedAttributes(store(), folder, "system.ini") & (attr::System | attr::Hidden),
            attr::System | attr::Hidden);
  EXPECT_TRUE(Listed(store(), File("Sub")).empty());
  EXPECT_TRUE(store().ListFiles(File("missing"), "*.*").empty());
  // A folder that could not be determined never stands for a drive's root.
  EXPECT_TRUE(store().ListFiles("", "*.*").empty());
  EXPECT_TRUE(store().ListFiles("\\", "*.*").empty());
  EXPECT_TRUE(store().SetFileAttributes(File("ReadOnlySub"), 0));
}

TEST_P(StoreConformance, DeleteFileAndFolders) {
  const std::string sub = File("Group");
  ASSERT_TRUE(store().CreateFolder(sub));
  EXPECT_EQ(store().GetFileAttributes(sub) & attr::Directory, attr::Directory);
  const StoreResult again = store().CreateFolder(sub);
  EXPECT_EQ(again.failure, StoreFailure::Other);
  EXPECT_EQ(again.text, "Cannot create the folder " + sub);
  EXPECT_FALSE(store().CreateFolder(File("missing\\Group")));
  EXPECT_TRUE(store().WriteBytes(sub + "\\a.lnk", "x"));
  EXPECT_FALSE(store().DeleteFile(sub));
  const StoreResult full = store().RemoveFolder(sub);
  EXPECT_EQ(full.failure, StoreFailure::Other);
  EXPECT_EQ(full.text, "Cannot remove the folder " + sub);
  EXPECT_TRUE(store().DeleteFile(sub + "\\a.lnk"));
  EXPECT_FALSE(store().DeleteFile(sub + "\\a.lnk"));
  EXPECT_EQ(store().GetFileAttributes(sub + "\\a.lnk"), kInvalidAttributes);
  EXPECT_TRUE(store().RemoveFolder(sub));
  EXPECT_EQ(store().GetFileAttributes(sub), kInvalidAttributes);
  EXPECT_FALSE(store().RemoveFolder(sub));
}

TEST_P(StoreConformance, ShortPathOfExistingPathsOnly) {
  const std::string folder = File("A Long Folder Name");
  ASSERT_TRUE(store().CreateFolder(folder));
  const std::string path = folder + "\\Some Long File Name.txt";
  EXPECT_TRUE(store().WriteBytes(path, "x"));
  std::string shortPath = store().ShortPath(path);
  ASSERT_FALSE(shortPath.empty());
  EXPECT_EQ(FoldCase(target_->LongPath(shortPath)), FoldCase(path));
  EXPECT_EQ(store().ReadBytes(shortPath), "x");
  EXPECT_EQ(store().ShortPath(folder + "\\missing.txt"), "");
}

// ---------------------------------------------------------------- why a change failed

// A read-only key refuses every change as access denied (not deletion: Wine allows that).
TEST_P(StoreConformance, ChangesToAKeyWithoutRightsFailAsAccessDenied) {
  target_->DenyWrites("Denied");
  const OpenedKey refused = OpenScratch("Denied", true);
  EXPECT_FALSE(refused);
  EXPECT_EQ(refused.result.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(refused.result.text,
            "Cannot open the registry key " + RootName(root()) + Key("Denied") + " for writing");

  const OpenedKey key = OpenScratch("Denied", false);
  ASSERT_TRUE(key);
  EXPECT_TRUE(key.result);
  EXPECT_EQ(key->ReadString("kept"), "yes");
  const StoreResult deleted = key->DeleteValue("kept");
  EXPECT_EQ(deleted.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(deleted.text, "Cannot delete the registry value kept");
  const StoreResult written = key->WriteString("new", "x");
  EXPECT_EQ(written.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(written.text, "Failed to set data for 'new'");
  EXPECT_EQ(key->ReadString("kept"), "yes");
}

// A missing run key is an empty list, an unreadable one a place that could not be checked.
TEST_P(StoreConformance, MissingKeysAndValuesAreNotFound) {
  EXPECT_TRUE(OpenScratch("Made\\Deeper\\Deepest", true));
  EXPECT_TRUE(OpenScratch("Made\\Deeper", false));
  EXPECT_FALSE(store().KeyExists(root(), Key("Missing")));
  const StoreResult missing = store().DeleteKey(root(), Key("Missing"));
  EXPECT_EQ(missing.failure, StoreFailure::NotFound);
  EXPECT_EQ(missing.text, "Cannot delete the registry key " + RootName(root()) + Key("Missing"));
  const OpenedKey notThere = OpenScratch("Missing", false);
  EXPECT_EQ(notThere.result.failure, StoreFailure::NotFound);
  EXPECT_EQ(notThere.result.text,
            "Cannot open the registry key " + RootName(root()) + Key("Missing"));
  EXPECT_EQ(OpenScratch("Missing\\Deeper", false).result.failure, StoreFailure::NotFound);
  EXPECT_TRUE(store().DeleteKey(root(), Key("Made")));

  auto key = OpenScratch();
  EXPECT_TRUE(key->WriteString("value", "1"));
  EXPECT_EQ(key->DeleteValue("missing").failure, StoreFailure::NotFound);
  EXPECT_TRUE(key->DeleteValue("value"));
}

// A read-only file is refused for lack of rights, like one in an administrators' folder.
TEST_P(StoreConformance, DeletingAReadOnlyFileFailsAsAccessDenied) {
  const std::string path = File("locked.ini");
  EXPECT_TRUE(store().WriteBytes(path, "x"));
  ASSERT_TRUE(store().SetFileAttributes(path, attr::ReadOnly));
  const StoreResult deleted = store().DeleteFile(path);
  EXPECT_EQ(deleted.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(deleted.text, "Cannot delete " + path);
  EXPECT_EQ(store().ReadBytes(path), "x");
  ASSERT_TRUE(store().SetFileAttributes(path, attr::Normal));
  EXPECT_TRUE(store().DeleteFile(path));
}

TEST_P(StoreConformance, FileFailuresForOtherReasonsAreNotAccessDenied) {
  EXPECT_EQ(store().DeleteFile(File("missing.txt")).failure, StoreFailure::NotFound);
  EXPECT_EQ(store().SaveLines(File("no folder\\a.txt"), {"x"}).failure, StoreFailure::Other);
  EXPECT_TRUE(store().SaveLines(File("a.txt"), {"x"}));
  const StoreResult overFolder = store().WriteBytes(target_->scratchFolder(), "x");
  EXPECT_EQ(overFolder.failure, StoreFailure::Other);
  EXPECT_EQ(overFolder.text, "Cannot create file " + target_->scratchFolder());
  EXPECT_EQ(store().SetFileAttributes(File("missing.txt"), attr::Normal).text,
            "Cannot set the attributes of " + File("missing.txt"));
  EXPECT_EQ(store().AppendText(File("no folder\\log.txt"), "x").text,
            "Cannot write to " + File("no folder\\log.txt"));
}

}  // namespace
}  // namespace tarnix
