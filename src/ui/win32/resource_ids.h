#pragma once
// Numbers of the resources the binding loads from the program's own file (corvane.rc).
// Plain #defines: the resource compiler reads this file too.
#define CORVANE_HAND_CURSOR 2
