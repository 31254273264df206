#include "platform/event_log.h"

#include "platform/registry_keys.h"

namespace tarnix {

const char kEventSource[] = "Tarnix2";
const char kEventSourceKey[] =
    "\\SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Tarnix2";

namespace {

// EVENTLOG_ERROR_TYPE | EVENTLOG_WARNING_TYPE | EVENTLOG_INFORMATION_TYPE.
constexpr uint32_t kTypesSupported = 7;

std::string Dword(uint32_t value) {
  std::string bytes(4, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// The types go first: a registration that is already there holds the same, so a failure
// between the two writes leaves it as it was.
StoreResult WriteRegistration(Store& store, const std::string& messageFile) {
  const OpenedKey key = store.OpenKey(Root::LocalMachine, kEventSourceKey, true);
  if (!key)
    return key.result;
  if (StoreResult written =
          key->WriteValue("TypesSupported", {regtype::Dword, Dword(kTypesSupported)});
      !written)
    return written;
  return key->WriteValue("EventMessageFile", {regtype::ExpandString, messageFile});
}

}  // namespace

StoreResult RegisterEventLogSource(Store& store, const std::string& messageFile) {
  const bool existed = store.KeyExists(Root::LocalMachine, kEventSourceKey);
  const StoreResult written = WriteRegistration(store, messageFile);
  // A registration made in part goes again, once its key is closed.
  if (!written && !existed)
    static_cast<void>(store.DeleteKey(Root::LocalMachine, kEventSourceKey));
  return written.Saying("Cannot register the event log's source " + RootName(Root::LocalMachine) +
                        kEventSourceKey + ": " + written.text);
}

StoreResult RemoveEventLogSource(Store& store) {
  if (!store.KeyExists(Root::LocalMachine, kEventSourceKey))
    return {};
  return store.DeleteKey(Root::LocalMachine, kEventSourceKey);
}

}  // namespace tarnix
