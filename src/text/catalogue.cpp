#include "text/catalogue.h"

namespace text {
namespace {

Language current = Language::Japanese;

}  // namespace

const char* const kJapanese[kTextCount] = {
#define TXT(name, words) words,
#include "text/japanese.inc"
#undef TXT
};

// Entries left out at the end stay {Id(0), nullptr}; the catalogue test names them.
const EnglishEntry kEnglish[kTextCount] = {
#define TXT(name, words) {Id::name, words},
#include "text/english.inc"
#undef TXT
};

void setLanguage(Language language) { current = language; }
Language language() { return current; }

const char* in(Language language, Id id) {
  const auto index = static_cast<unsigned>(id);
  if (index >= kTextCount) return "";
  if (language == Language::English) {
    const EnglishEntry& entry = kEnglish[index];
    // A table out of step with the Japanese one (its test says where) shows Japanese there.
    if (entry.words && entry.id == id) return entry.words;
  }
  return kJapanese[index];
}

const char* tr(Id id) { return in(current, id); }

}  // namespace text
