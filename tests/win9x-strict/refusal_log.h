/* Where the Windows 9x strict mode writes down what Windows 95/98 would have refused: one line
   each, appended to the file CORVANE_STRICT_LOG names (nothing when it is not set). The tests
   read that file and fail on any line in it. */
#pragma once
#include <windows.h>

void recordRefusal(const char* what);
