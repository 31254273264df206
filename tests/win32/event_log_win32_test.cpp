// The event log under Wine: the real ReportEvent, the source's registration, the message table.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "e2e/support/tarnix_process.h"
#include "platform/event_log_win32.h"
#include "platform/store_win32.h"
#include "watchdog/check_events.h"

namespace tarnix {
namespace {

TEST(EventLogWin32, EveryKindOfEventIsWrittenAndTheRegistrationNamesTheMessageFile) {
  Win32EventLog log;
  for (CheckEvent event : kCheckEvents) {
    const auto id = static_cast<uint32_t>(event);
    EXPECT_TRUE(log.Write({id, TypeOf(event), "C:\\WINDOWS\\winstart.bat\r\n+ rem ✓\r\n"})) << id;
  }
  Win32Store store;
  ASSERT_TRUE(RegisterEventLogSource(store, "%SystemDrive%\\T\\tarnix2.exe"));
  auto key = store.OpenKey(Root::LocalMachine, kEventSourceKey, false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadValue("EventMessageFile"),
            (RegValue{regtype::ExpandString, "%SystemDrive%\\T\\tarnix2.exe"}));
  EXPECT_EQ(key->ReadValue("TypesSupported"),
            (RegValue{regtype::Dword, std::string("\7\0\0\0", 4)}));
  key.key.reset();
  EXPECT_TRUE(Win32EventLog().Write({1000, EventType::Warning, "registered"}));
  EXPECT_TRUE(RemoveEventLogSource(store));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kEventSourceKey));
  EXPECT_TRUE(RemoveEventLogSource(store));
}

// What the event viewer shows: the program's text for the number, with the details inserted.
TEST(EventLogWin32, TheProgramHoldsATextOfItsOwnForEveryEvent) {
  HMODULE program = LoadLibraryExW(e2e::ProgramPath().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  std::set<std::wstring> texts;
  for (CheckEvent event : kCheckEvents) {
    const auto id = static_cast<DWORD>(event);
    const wchar_t* details[] = {L"C:\\WINDOWS\\winstart.bat\r\n+ rem two"};
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY |
                           FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       program, id, 0, reinterpret_cast<wchar_t*>(&text), 0,
                       reinterpret_cast<va_list*>(const_cast<wchar_t**>(details)));
    ASSERT_GT(length, 0u) << id;
    const std::wstring shown(text, length);
    LocalFree(text);
    EXPECT_NE(shown.find(details[0]), std::wstring::npos) << id;
    texts.insert(shown);
  }
  EXPECT_EQ(texts.size(), std::size(kCheckEvents));
  FreeLibrary(program);
}

}  // namespace
}  // namespace tarnix
