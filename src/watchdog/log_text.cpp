#include "watchdog/log_text.h"

#include <cstdio>

#include "base/text_codec.h"

namespace tarnix {

const char kLogDivider[] = "-------------------------------------------------------";

namespace {

const char kEol[] = "\r\n";

std::string Heading(LogKind kind, const std::string& label) {
  switch (kind) {
    case LogKind::Found:
      return "Changes found in:" + label;
    case LogKind::Confirmed:
      return "The changes in:" + label + " are confirmed";
    case LogKind::Cancelled:
      return "The changes in:" + label + " are cancelled";
    case LogKind::MadeManually:
      return "The changes in:" + label + " are made manually";
  }
  return {};
}

const char* Prefix(ChangeMark mark) {
  switch (mark) {
    case ChangeMark::Added:
      return "+";
    case ChangeMark::Deleted:
      return "- ";
    case ChangeMark::Unchanged:
      return " ";
  }
  return "";
}

// The heading and the divider; then, except for a confirmation, the entries and a divider.
template <typename Entries>
std::string Block(LogKind kind, const std::string& label, const Entries& writeEntries) {
  std::string text = Heading(kind, label) + kEol + kLogDivider + kEol;
  if (kind == LogKind::Confirmed)
    return text;
  writeEntries(text);
  return text + kLogDivider + kEol;
}

}  // namespace

std::string StartLine(const std::string& date, const std::string& time) {
  return "Start check " + date + " at:" + time;
}

std::string EndLines(const std::string& time) {
  return "End check              at:" + time + kEol + kLogDivider;
}

std::string ChangeListBlock(const std::vector<ChangeLine>& lines, LogKind kind,
                            const std::string& label) {
  return Block(kind, label, [&lines](std::string& text) {
    for (const ChangeLine& line : lines) text += Prefix(line.mark) + line.text + kEol;
  });
}

std::string ChangeListBlock(const ReportList& lines, LogKind kind, const std::string& label) {
  return Block(kind, label, [&lines](std::string& text) {
    for (size_t i = 0; i < lines.Size(); ++i) text += Prefix(lines.Mark(i)) + lines.Text(i) + kEol;
  });
}

std::string PlainListBlock(const std::vector<std::string>& lines, LogKind kind,
                           const std::string& label) {
  return Block(kind, label, [&lines](std::string& text) {
    for (const std::string& line : lines) text += line + kEol;
  });
}

std::string WininiConfirmed(const std::string& label) {
  return Heading(LogKind::Confirmed, label) + kEol + kLogDivider + kEol;
}

std::string WininiCancelled(const std::string& label, const std::string& value) {
  return Heading(LogKind::Cancelled, label) + kEol + value + kLogDivider + kEol;
}

std::string SpellOutBeyondAscii(const std::string& text) {
  const auto decoded = DecodeUtf8(text);
  if (!decoded)
    return text;
  std::string out;
  for (char32_t c : *decoded) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      char code[16];
      std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(c));
      out += code;
    }
  }
  return out;
}

}  // namespace tarnix
