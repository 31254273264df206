#include "watchdog/check_events.h"

#include <string>

#include "platform/value_text.h"
#include "sources/startup_marks.h"

namespace tarnix {

namespace {

// ReportEvent takes at most 31,839 characters in one text.
constexpr size_t kEventTextLimit = 30000;
const char kEol[] = "\r\n";

void AddMarked(std::vector<std::string>& lines, ChangeMark mark, const std::string& text) {
  if (mark != ChangeMark::Unchanged)
    lines.push_back((mark == ChangeMark::Added ? "+ " : "- ") + text);
}

// An entry as a line of the check's report: a text's line, a folder's file name, a run
// list's command (with its name where the list is of settings), a mark's entry and its state.
std::string LineOf(const StartupSection& section, const std::optional<std::string>& name,
                   const RegValue& value) {
  if (section.kind == kindFolder)
    return name.value_or("");
  if (section.kind == kindMarks)
    return *name + (DecodeMark(value).disabled ? "=disabled" : "=enabled");
  const bool named =
      section.kind == kindRunList && !RunListKey(RunListIndex(section.id)).settings.empty();
  return named ? *name + "=" + ValueText(value) : ValueText(value);
}

void AddEntry(std::vector<std::string>& lines, const StartupSection& section,
              const ComparedEntry& entry) {
  const auto line = [&](const RegValue& value) { return LineOf(section, entry.name, value); };
  if (entry.state == EntryState::Changed)
    AddMarked(lines, ChangeMark::Deleted, line(*entry.previous));
  AddMarked(lines, entry.state == EntryState::Deleted ? ChangeMark::Deleted : ChangeMark::Added,
            line(entry.value));
}

// The places of one comparison as the check reports them: win.ini's values each under its own
// heading, with the snapshot's value (empty when it has none) before the new one.
void AddChanged(std::vector<EventPlace>& changed, const PlaceComparison& compared) {
  const StartupSection& section = *compared.section;
  if (section.kind == kindWinIni) {
    for (const ComparedEntry& entry : compared.entries) {
      const std::string before = entry.previous ? entry.previous->data : std::string();
      changed.push_back(
          {WininiHeading(section, *entry.name), {"- " + before, "+ " + entry.value.data}});
    }
    return;
  }
  EventPlace place{section.place, {}};
  for (const ComparedEntry& entry : compared.entries) AddEntry(place.lines, section, entry);
  changed.push_back(std::move(place));
}

}  // namespace

EventType TypeOf(CheckEvent event) {
  switch (event) {
    case CheckEvent::ChangesFound:
      return EventType::Warning;
    case CheckEvent::CheckFailed:
      return EventType::Error;
    default:
      return EventType::Information;
  }
}

std::vector<std::string> MarkedChanges(const ReportList& list) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < list.Size(); ++i) AddMarked(lines, list.Mark(i), list.Text(i));
  return lines;
}

std::vector<std::string> MarkedChanges(const std::vector<ChangeLine>& lines) {
  std::vector<std::string> marked;
  for (const ChangeLine& line : lines) AddMarked(marked, line.mark, line.text);
  return marked;
}

std::string EventText(const std::vector<EventPlace>& places) {
  std::string text;
  size_t left = 0;
  auto add = [&](const std::string& line) {
    if (left == 0 && text.size() + line.size() + 2 <= kEventTextLimit)
      text += line + kEol;
    else
      ++left;
  };
  for (const EventPlace& place : places) {
    if (!text.empty() && left == 0)
      text += kEol;
    add(place.place);
    for (const std::string& line : place.lines) add(line);
  }
  if (left > 0)
    text += "(" + std::to_string(left) + " more lines)" + kEol;
  return text;
}

SnapshotComparison SortFindings(const std::vector<PlaceComparison>& places) {
  SnapshotComparison result;
  for (const PlaceComparison& compared : places) {
    if (!compared.unread)
      result.notChecked.push_back({compared.unread.text, {}});
    // A logon list the snapshot has not taken in is not reported by the check either.
    else if (compared.Changed() && !compared.notInSnapshot)
      AddChanged(result.changed, compared);
  }
  return result;
}

std::string WininiHeading(const StartupSection& section, const std::string& iniKey) {
  return section.place + (iniKey == "load" ? " Parameter Load=" : " Parameter Run=");
}

void WriteCheckEvent(Workspace& ws, CheckEvent event, const std::vector<EventPlace>& places) {
  if (ws.events == nullptr)
    return;
  static_cast<void>(
      ws.events->Write({static_cast<uint32_t>(event), TypeOf(event), EventText(places)}));
}

void WriteFoundEvents(Workspace& ws, const std::vector<PlaceComparison>& places) {
  if (ws.events == nullptr)
    return;
  const SnapshotComparison compared = SortFindings(places);
  if (!compared.changed.empty())
    WriteCheckEvent(ws, CheckEvent::ChangesFound, compared.changed);
  if (!compared.notChecked.empty())
    WriteCheckEvent(ws, CheckEvent::CheckFailed, compared.notChecked);
}

}  // namespace tarnix
