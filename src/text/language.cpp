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

// The language the command line asks for, or the system's when it names none.
Language askedFor(unsigned ansiCodePage, const std::string& commandLine) {
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

}  // namespace

Language chooseLanguage(unsigned ansiCodePage, const std::string& commandLine) {
  if (ansiCodePage != kJapaneseCodePage) return Language::English;
  return askedFor(ansiCodePage, commandLine);
}

bool japaneseRefused(unsigned ansiCodePage, const std::string& commandLine) {
  return ansiCodePage != kJapaneseCodePage &&
         askedFor(ansiCodePage, commandLine) == Language::Japanese;
}

}  // namespace text
