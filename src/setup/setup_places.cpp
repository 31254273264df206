#include "setup/setup_places.h"

namespace tarnix {

std::string QuotedProgramPath(Store& store) {
  const std::string path = store.ProgramPath();
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

std::string ReportProgramPath(Store& store) {
  const std::string program = store.ProgramPath();
  return program.substr(0, program.rfind('\\') + 1) + kReportProgram;
}

std::vector<std::string> ProgramRegistryKeys(const Catalogue& catalogue) {
  std::vector<std::string> keys;
  for (const StartupSection& section : catalogue.sections)
    keys.push_back(SnapshotKeyPath(section.key));
  keys.push_back(kSnapshotRoot);
  keys.push_back(kProductKey);
  return keys;
}

}  // namespace tarnix
