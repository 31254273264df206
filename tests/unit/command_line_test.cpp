// Arguments joined into one command line come back whole when Windows splits the line again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/command_line.h"

namespace tarnix {
namespace {

using Arguments = std::vector<std::string>;

// The arguments after the program's name, split as CommandLineToArgvW and the C runtime do:
// blanks and tabs part arguments outside quotes; 2n backslashes before a quote give n and
// the quote opens or closes, 2n+1 give n and a literal quote; backslashes before anything else
// stay as they are; "" inside quotes is a literal quote.
Arguments Split(const std::string& line) {
  Arguments arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (!quoted && (c == ' ' || c == '\t')) {
      if (inArgument)
        arguments.push_back(current);
      current.clear();
      inArgument = false;
      continue;
    }
    inArgument = true;
    if (c == '\\') {
      size_t count = 0;
      while (i < line.size() && line[i] == '\\') {
        ++count;
        ++i;
      }
      const bool beforeQuote = i < line.size() && line[i] == '"';
      current.append(beforeQuote ? count / 2 : count, '\\');
      if (beforeQuote && count % 2 == 1)
        current += '"';
      else
        --i;  // the quote, or whatever follows, is read next
      continue;
    }
    if (c != '"') {
      current += c;
    } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
      current += '"';
      ++i;
    } else {
      quoted = !quoted;
    }
  }
  if (inArgument)
    arguments.push_back(current);
  return arguments;
}

TEST(JoinArgumentsTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(JoinArguments({""}), "\"\"");
  EXPECT_EQ(JoinArguments({"a b"}), "\"a b\"");
  EXPECT_EQ(JoinArguments({"a\tb"}), "\"a\tb\"");
  EXPECT_EQ(JoinArguments({"say \"hi\""}), "\"say \\\"hi\\\"\"");
  EXPECT_EQ(JoinArguments({"C:\\My Tools\\"}), "\"C:\\My Tools\\\\\"");
  EXPECT_EQ(JoinArguments({"a\\\"b"}), "\"a\\\\\\\"b\"");
}

TEST(JoinArgumentsTest, EveryListComesBackWholeFromTheSplitter) {
  const Arguments tricky = {"",
                            "/c",
                            "plain",
                            "two words",
                            "tab\there",
                            "\"",
                            "quoted \"inside\"",
                            "\"edges\"",
                            "trailing\\",
                            "trailing blank \\",
                            "many\\\\\\",
                            "C:\\My Tools\\",
                            "back\\\"quote",
                            "back\\\\\"quotes",
                            "\\\\server\\share",
                            "  ",
                            "\\"};
  const std::vector<Arguments> lists = {{}, tricky, {"", ""}, {"a\\", "\"b"}, {"x", "", "y"}};
  for (const Arguments& list : lists) {
    EXPECT_EQ(Split(JoinArguments(list)), list) << JoinArguments(list);
  }
  for (const std::string& argument : tricky) {
    for (const std::string& next : tricky) {
      const Arguments pair = {argument, next};
      EXPECT_EQ(Split(JoinArguments(pair)), pair) << JoinArguments(pair);
    }
  }
}

}  // namespace
}  // namespace tarnix
