#include "text/language.h"

namespace text {
namespace {

constexpr unsigned kJapaneseCodePage = 932;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string lowered(std::string word) {
  for (char& c : word)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return word;
}

}  // namespace

Language chooseLanguage(unsigned ansiCodePage, const std::string& commandLine) {
  Language chosen = ansiCodePage == kJapaneseCodePage ? Language::Japanese : Language::English;
  std::size_t at = 0;
  while (at < commandLine.size()) {
    while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
    std::size_t end = at;
    bool quoted = false;
    // A quoted word (the program's path may have blanks) is one word.
    while (end < commandLine.size() && (quoted || !isBlank(commandLine[end]))) {
      if (commandLine[end] == '"') quoted = !quoted;
      ++end;
    }
    const std::string word = lowered(commandLine.substr(at, end - at));
    if (word == "/ja") chosen = Language::Japanese;
    if (word == "/en") chosen = Language::English;
    at = end;
  }
  return chosen;
}

}  // namespace text
