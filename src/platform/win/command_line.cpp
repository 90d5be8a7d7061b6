// Splitting a command line into words.

#include "platform/com/error.h"
#include "platform/win/launcher.h"

namespace kelvo::win {
namespace {

bool IsBlank(char16_t ch) { return ch == u' ' || ch == u'\t'; }

}  // namespace

std::vector<std::u16string> SplitCommandLine(const std::u16string& commandLine) {
  std::vector<std::u16string> words;
  std::u16string word;
  bool inWord = false;
  bool quoted = false;
  for (char16_t ch : commandLine) {
    if (ch == u'\0') throw com::Error(com::err::kInvalidCall, u"Command line contains a null character");
    if (ch == u'"') {
      quoted = !quoted;
      inWord = true;
    } else if (IsBlank(ch) && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word.push_back(ch);
      inWord = true;
    }
  }
  if (quoted) throw com::Error(com::err::kInvalidCall, u"Unterminated quote in command line: " + commandLine);
  if (inWord) words.push_back(std::move(word));
  if (words.empty()) throw com::Error(com::err::kInvalidCall);
  return words;
}

}  // namespace kelvo::win
