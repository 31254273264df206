// The report as one JSON document for scripts. Each text field is a JSON string; a text that
// JSON could not hold whole gets a second field, its name followed by "Hex", with its bytes.
#include <iterator>

#include "console/json_text.h"
#include "console/report.h"
#include "platform/value_text.h"

namespace tarnix {

namespace {

const char kIndent[] = "        ";

void Field(std::string& json, const std::string& key, const std::string& text) {
  json += "\"" + key + "\": " + JsonString(text);
  if (const auto hex = InvalidTextHex(text))
    json += ", \"" + key + "Hex\": \"" + *hex + "\"";
}

std::string TypeName(const StartupSection& section, const RegValue& value) {
  static const char* const kRegistryTypes[] = {"REG_NONE",
                                               "REG_SZ",
                                               "REG_EXPAND_SZ",
                                               "REG_BINARY",
                                               "REG_DWORD",
                                               "REG_DWORD_BIG_ENDIAN",
                                               "REG_LINK",
                                               "REG_MULTI_SZ",
                                               "REG_RESOURCE_LIST",
                                               "REG_FULL_RESOURCE_DESCRIPTOR",
                                               "REG_RESOURCE_REQUIREMENTS_LIST",
                                               "REG_QWORD"};
  switch (section.kind) {
    case kindTextFile:
      return "line";
    case kindFolder:
      return "file";
    case kindWinIni:
      return "ini";
    case kindTasks:
      return "task";
    case kindRunList:
    case kindMarks:
      break;
  }
  if (value.type < std::size(kRegistryTypes))
    return kRegistryTypes[value.type];
  return "hex(" + std::to_string(value.type) + ")";
}

std::string EntryJson(const StartupSection& section, const ComparedEntry& entry) {
  std::string json = "{";
  if (entry.name)
    Field(json, "name", *entry.name);
  else
    json += "\"name\": null";
  json += ", ";
  Field(json, "value", ValueText(entry.value));
  json += ", \"type\": \"" + TypeName(section, entry.value) + "\", \"state\": \"" +
          StateName(entry.state) + "\"";
  if (entry.previous) {
    json += ", ";
    Field(json, "previous", ValueText(*entry.previous));
    json += ", \"previousType\": \"" + TypeName(section, *entry.previous) + "\"";
  }
  if (entry.enabled)
    json += std::string(", \"enabled\": ") + (*entry.enabled ? "true" : "false");
  return json + "}";
}

std::string PlaceJson(const PlaceComparison& place) {
  const std::string in(kIndent, 6);
  std::string json = "    {\r\n" + in;
  Field(json, "section", place.section->key);
  json += ",\r\n" + in;
  Field(json, "place", place.section->place);
  if (!place.unread) {
    json += ",\r\n" + in;
    Field(json, "error", place.unread.text);
  }
  json += ",\r\n" + in + "\"entries\": [";
  for (size_t i = 0; i < place.entries.size(); ++i) {
    json += (i == 0 ? "\r\n" : ",\r\n") + std::string(kIndent) +
            EntryJson(*place.section, place.entries[i]);
  }
  return json + (place.entries.empty() ? "]" : "\r\n" + in + "]") + "\r\n    }";
}

}  // namespace

std::string ReportJson(const std::string& computer, const std::vector<PlaceComparison>& places) {
  std::string json = "{\r\n  ";
  Field(json, "computer", computer);
  json += ",\r\n  ";
  Field(json, "snapshot", SnapshotKeyName());
  json += ",\r\n  \"places\": [";
  for (size_t i = 0; i < places.size(); ++i)
    json += (i == 0 ? "\r\n" : ",\r\n") + PlaceJson(places[i]);
  return json + "\r\n  ]\r\n}\r\n";
}

}  // namespace tarnix
