#pragma once
// The Windows 9x strict mode, on the tests' side. Wine accepts what Windows 95/98 refuse; in this
// mode the stand-in comdlg32 and the probe (strict_probe.c) write every such argument of the
// program under test into a log, and the tests fail on it:
// - every test program under Wine starts the mode (strict_environment.cpp) and fails at its end
//   when anything was written, naming the test that was running;
// - the end-to-end driver puts the stand-in beside the real corvane.exe and fails the test whose
//   program folder saw a refusal.
#include <string>

namespace strict {

// Starts the mode for this process and every program it starts (once; later calls do nothing):
// a fresh log named by CORVANE_STRICT_LOG, the probe in this process, and a global hook that
// brings the probe into every program of ours when it makes its first window.
void start();

// The refusals written since the last call, one line each ("corvane.exe: SetTimer with id ...").
std::string newRefusals();

// Puts the stand-in comdlg32.dll into a program's folder (wine-run loads it before Wine's own).
void placeStandins(const std::string& folder);

}  // namespace strict
