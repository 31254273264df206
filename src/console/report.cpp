#include "console/report.h"

#include <optional>

#include "base/text_case.h"
#include "platform/registry_keys.h"
#include "sources/catalogue.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

const char kUsage[] =
    "Usage: tarnix2c /report [/all] [/json]\r\n"
    "Compares every startup place with the snapshot of Tarnix II; writes nothing.\r\n"
    "  /all   also the entries that have not changed\r\n"
    "  /json  one JSON document instead of text\r\n"
    "Exit code: 0 nothing changed, 1 something changed, 2 no answer (no snapshot, a place\r\n"
    "that cannot be read, or another command line).\r\n";

struct Request {
  bool all = false;
  bool json = false;
};

std::optional<Request> Parse(const std::vector<std::string>& arguments) {
  Request request;
  bool report = false;
  for (const std::string& argument : arguments) {
    const std::string word = FoldCase(argument);
    if (word == "/report") {
      report = true;
    } else if (word == "/all") {
      request.all = true;
    } else if (word == "/json") {
      request.json = true;
    } else {
      return std::nullopt;
    }
  }
  if (!report)
    return std::nullopt;
  return request;
}

}  // namespace

const char* StateName(EntryState state) {
  switch (state) {
    case EntryState::Added:
      return "added";
    case EntryState::Deleted:
      return "deleted";
    case EntryState::Changed:
      return "changed";
    case EntryState::Unchanged:
      break;
  }
  return "unchanged";
}

std::string SnapshotKeyName() {
  return RootName(Root::LocalMachine) + kSnapshotRoot;
}

ReportOutput RunReport(Store& store, const std::string& computer,
                       const std::vector<std::string>& arguments, Scheduler* scheduler) {
  ReportOutput output;
  if (arguments == std::vector<std::string>{"/?"}) {
    output.out = kUsage;
    output.exitCode = kNothingChanged;
    return output;
  }
  const std::optional<Request> request = Parse(arguments);
  if (!request) {
    output.err = kUsage;
    return output;
  }
  if (!SnapshotExists(store)) {
    output.err = "There is no snapshot (" + SnapshotKeyName() +
                 ") yet: the first start of tarnix2.exe saves it.\r\n";
    return output;
  }
  const Catalogue catalogue = BuildCatalogue(store);
  std::vector<PlaceComparison> places;
  bool changed = false;
  for (const StartupSection& section : catalogue.sections) {
    if (!Watched(section, scheduler))
      continue;
    places.push_back(ComparePlace(store, scheduler, section, request->all));
    changed = changed || places.back().Changed();
    if (!places.back().unread)
      output.err += places.back().unread.text + "\r\n";
  }
  output.out = request->json ? ReportJson(computer, places) : ReportText(places);
  if (output.err.empty())
    output.exitCode = changed ? kSomethingChanged : kNothingChanged;
  return output;
}

}  // namespace tarnix
