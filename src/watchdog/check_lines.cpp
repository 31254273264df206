#include "watchdog/check_sections.h"

#include <set>

#include "base/text_case.h"
#include "platform/file_removal.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "watchdog/check_events.h"
#include "watchdog/history_log.h"
#include "watchdog/save_command.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

std::vector<std::string> Texts(const std::vector<ChangeLine>& lines) {
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (const ChangeLine& line : lines) texts.push_back(line.text);
  return texts;
}

// A folder's names as listed; a text's lines as held, never cut where its page cannot show
// the file.
std::vector<std::string> CurrentLines(const Workspace& ws, const StartupSection& section) {
  if (section.kind == kindTextFile)
    return ws.places.Text(section.id).Held();
  return ws.places.Folder(section.id).entries;
}

// Only a plain name stays inside the folder it is joined to.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("\\/:") == std::string::npos;
}

// Deletes the files of the folder that the user took out of the list. Names compare trimmed
// and without case, so a file whose line the user kept is never deleted. A file that cannot be
// deleted is told and ends the deleting: false.
bool DeleteRemovedFiles(CheckRun& run, const StartupSection& section,
                        const std::vector<std::string>& current,
                        const std::vector<std::string>& kept) {
  std::set<std::string> keptKeys;
  for (const std::string& name : kept) keptKeys.insert(FoldCase(TrimLine(name)));
  for (const std::string& name : current) {
    if (keptKeys.count(FoldCase(TrimLine(name))) != 0 || !IsPlainFileName(name))
      continue;
    const std::string path = section.place + name;
    if (const StoreResult removed = RemoveFile(run.ws.store, path); !removed) {
      Tell(run.ws, removed);
      return false;
    }
  }
  return true;
}

// A text file that exists but could not be read was never loaded: nothing is known of it, and
// writing it back would replace content nobody has seen.
bool IsUnreadableText(const Workspace& ws, const StartupSection& section) {
  return section.kind == kindTextFile &&
         ws.places.Text(section.id).state == TextFile::State::Unreadable;
}

struct LineReport {
  const StartupSection& section;
  std::string keyPath;
  std::vector<std::string> current;
  std::optional<std::vector<std::string>> snapshot;  // nothing when its subkey is missing
};

void Confirm(CheckRun& run, const LineReport& r, const ReportList& shown) {
  if (run.WriteSnapshot([&] { return WriteSnapshotLines(run.ws.store, r.keyPath, r.current); })) {
    run.Logged(LogChangeList(run.ws, shown, LogKind::Confirmed, r.section.place));
    WriteCheckEvent(run.ws, CheckEvent::Confirmed, {{r.section.place, MarkedChanges(shown)}});
  }
}

void ChangeBack(CheckRun& run, const LineReport& r, const ReportList& shown) {
  // The button is offered only for a text whose snapshot exists.
  if (r.section.kind != kindTextFile || !r.snapshot)
    return;
  if (WriteTextFile(run.ws, r.section.place, *r.snapshot)) {
    run.Logged(LogChangeList(run.ws, *r.snapshot, LogKind::Cancelled, r.section.place));
    WriteCheckEvent(run.ws, CheckEvent::ChangedBack, {{r.section.place, MarkedChanges(shown)}});
  }
}

void SaveList(CheckRun& run, const LineReport& r) {
  const std::vector<ChangeLine> list = run.report.List();
  const std::vector<std::string> texts = Texts(list);
  // The snapshot takes the list only when the place holds it.
  if (r.section.kind == kindTextFile) {
    if (!WriteTextFile(run.ws, r.section.place, texts))
      return;
  } else if (!DeleteRemovedFiles(run, r.section, r.current, texts)) {
    return;
  }
  if (run.WriteSnapshot([&] { return WriteSnapshotLines(run.ws.store, r.keyPath, texts); })) {
    run.Logged(LogChangeList(run.ws, list, LogKind::MadeManually, r.section.place));
    WriteCheckEvent(run.ws, CheckEvent::ListSaved, {{r.section.place, texts}});
  }
}

bool IsEdited(const Workspace& ws, const StartupSection& section) {
  return section.kind == kindTextFile && ws.places.Text(section.id).edited.has_value();
}

// The lines a place held when it was loaded: what the file holds, not an edit of it.
const std::vector<std::string>& LoadedLines(const Workspace& ws, const StartupSection& section) {
  if (section.kind == kindTextFile)
    return ws.places.Text(section.id).lines;
  return ws.places.Folder(section.id).entries;
}

bool ReportLines(CheckRun& run, const LineReport& r) {
  const StartupSection& section = r.section;
  const auto list = BuildReportList(r.current, r.snapshot.value_or(std::vector<std::string>{}));
  if (!list)
    return false;

  TForm1& report = run.report;
  const bool text = section.kind == kindTextFile;
  report.SetList(*list);
  report.btnEdit->SetEnabled(text);
  report.btnCancel->SetEnabled(text && r.snapshot.has_value());
  report.Button1->SetEnabled(true);
  report.btnSave->SetEnabled(true);
  run.Logged(LogChangeList(run.ws, *list, LogKind::Found, section.place));
  report.SetHeading(section.place);
  switch (run.report.ShowReport()) {
    case ReportResult::Confirm:
      Confirm(run, r, *list);
      break;
    case ReportResult::ChangeBack:
      ChangeBack(run, r, *list);
      break;
    case ReportResult::SaveList:
      SaveList(run, r);
      break;
    case ReportResult::None:
      break;
  }
  ReloadPlace(run.ws, section);
  return true;
}

}  // namespace

ComparedSection CompareLineSection(CheckRun& run, const StartupSection& section) {
  // A folder that could not be determined holds nothing to compare; its snapshot stays.
  if ((section.kind == kindFolder && !section.placeKnown) || IsUnreadableText(run.ws, section))
    return NotCompared(run, section, {StoreFailure::Other, NotCheckedText(section)});
  const std::string keyPath = SnapshotKeyPath(section.key);
  StoreResult unread;
  LineReport r{section, keyPath, CurrentLines(run.ws, section),
               ReadSnapshotLines(run.ws.store, keyPath, &unread)};
  // Taken for a missing snapshot, it would report every line as added.
  if (!unread)
    return NotCompared(run, section, unread.Saying(SnapshotNotReadText(section)));
  PlaceComparison found = CompareLineValues(section, LoadedLines(run.ws, section),
                                            r.snapshot.value_or(std::vector<std::string>{}), false);
  // An edit kept unsaved is what the report compares; the file is what the event names.
  if (!found.Changed() && !IsEdited(run.ws, section))
    return NoReport(std::move(found));
  return {std::move(found), [&run, r = std::move(r)] { return ReportLines(run, r); }};
}

}  // namespace tarnix
