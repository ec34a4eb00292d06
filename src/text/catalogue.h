#pragma once
// The interface's texts: every caption, hint, message and window title, looked up by one name.
// The Japanese texts are in japanese.inc (which also names them), the English ones in
// english.inc, in the same order. Data (registry value names and values, command lines, file
// names, the contents of the files the program writes, product names) never comes from here.
#include <string>

namespace text {

enum class Id : unsigned short {
#define TXT(name, words) name,
#include "text/japanese.inc"
#undef TXT
};

constexpr unsigned kTextCount = 0
#define TXT(name, words) +1
#include "text/japanese.inc"
#undef TXT
    ;

enum class Language { Japanese, English };

// Chosen once at start, before the first window is made; Japanese until then.
void setLanguage(Language language);
Language language();

// The text in the chosen language.
const char* tr(Id id);
// The text in a given language (an English text missing from its table falls back to Japanese).
const char* in(Language language, Id id);

struct EnglishEntry {
  Id id;
  const char* words;
};
// The English table as written, for the test that it matches the Japanese one name for name.
extern const EnglishEntry kEnglish[kTextCount];
extern const char* const kJapanese[kTextCount];
const char* nameOf(Id id);

}  // namespace text
