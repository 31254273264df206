#include "platform/store.h"

namespace tarnix {

TextWrite Store::AnsiLines(const std::string& path, const std::vector<std::string>& lines,
                           std::string& ansi) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::optional<std::string> line = AnsiBytes(lines[i]);
    if (!line) {
      // No permission problem: the message names the line.
      TextWrite failed;
      failed.failure = StoreFailure::Other;
      failed.text = "Line " + std::to_string(i + 1) + " of " + path +
                    " holds a character that the file's code page cannot store, so nothing was "
                    "written:\n" +
                    lines[i];
      failed.unencodableLine = i;
      return failed;
    }
    ansi += *line + "\r\n";
  }
  return {};
}

}  // namespace tarnix
