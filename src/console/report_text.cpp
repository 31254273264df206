// The report as text for a person at a console: under each place's full name, one line per
// entry with its state.
#include "console/report.h"
#include "platform/value_text.h"

namespace tarnix {

namespace {

// A line as it stands, a folder's file by its name, a value by its name and data.
std::string EntryText(const StartupSection& section, const ComparedEntry& entry) {
  if (section.kind == kindTextFile)
    return entry.value.data;
  if (section.kind == kindFolder)
    return *entry.name;
  std::string text =
      (entry.name->empty() ? "(Default)" : *entry.name) + " = " + ValueText(entry.value);
  if (entry.previous)
    text += "   (was: " + ValueText(*entry.previous) + ")";
  return text;
}

}  // namespace

std::string ReportText(const std::vector<PlaceComparison>& places) {
  std::string text;
  bool allRead = true;
  for (const PlaceComparison& place : places) {
    allRead = allRead && static_cast<bool>(place.unread);
    if (place.entries.empty())
      continue;
    text += place.section->place + "\r\n";
    for (const ComparedEntry& entry : place.entries) {
      std::string state = StateName(entry.state);
      state.resize(11, ' ');
      text += "  " + state + EntryText(*place.section, entry) + "\r\n";
    }
  }
  if (text.empty() && allRead)
    text = "No changes since the snapshot.\r\n";
  return text;
}

}  // namespace tarnix
