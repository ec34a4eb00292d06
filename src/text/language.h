#pragma once
// Which language the interface speaks: Japanese where Windows shows Japanese (ANSI code page
// 932), English elsewhere; "/ja" or "/en" on the command line decides for one run. Nothing is
// stored.
#include <string>

#include "text/catalogue.h"

namespace text {

// The command line as the program receives it (with or without the program's own name first).
// A later switch overrides an earlier one; letters may be in either case. "/ja" counts only where
// Japanese can be shown (code page 932): elsewhere every character would come out as "?", so the
// program speaks English there (and says why, see japaneseRefused).
Language chooseLanguage(unsigned ansiCodePage, const std::string& commandLine);

// True when the command line asks for Japanese on a Windows that cannot show it.
bool japaneseRefused(unsigned ansiCodePage, const std::string& commandLine);

}  // namespace text
