// The text of the history log: what the change check writes, block by block. Every line ends
// with CR LF.
#pragma once

#include <string>
#include <vector>

#include "platform/store.h"
#include "watchdog/report_list.h"

namespace tarnix {

// The kind of a block; the numbers are those of the report window's decisions.
enum class LogKind { Found = 0, Confirmed = 1, Cancelled = 2, MadeManually = 3 };

extern const char kLogDivider[];  // 55 hyphens

// The start and end of a check, without the final CR LF.
std::string StartLine(const std::string& date, const std::string& time);
std::string EndLines(const std::string& time);

// A block of the given kind for a list of marked lines ("+" added, "- " deleted, " "
// unchanged); a confirmed block has no list.
std::string ChangeListBlock(const std::vector<ChangeLine>& lines, LogKind kind,
                            const std::string& label);
std::string ChangeListBlock(const ReportList& lines, LogKind kind, const std::string& label);
// A block for lines without marks (the snapshot's lines that were put back).
std::string PlainListBlock(const std::vector<std::string>& lines, LogKind kind,
                           const std::string& label);

// The outcomes of a win.ini report, without the final CR LF: confirmed, or cancelled followed
// by the value now in effect and the divider on the same line.
std::string WininiConfirmed(const std::string& label);
std::string WininiCancelled(const std::string& label, const std::string& value);

// The text with every character beyond ASCII written as <U+XXXX>: how a line goes into the log
// when it holds a character that the code page cannot, instead of a look-alike.
std::string SpellOutBeyondAscii(const std::string& text);

}  // namespace tarnix
