#pragma once
// The command-line suites' fixture: the stand-in game in a folder of its own, and a machine with
// nothing of Corvane's in the registry.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "e2e_driver.h"

#ifndef STANDIN_GAME
#error "the command-line tests need the stand-in game"
#endif

namespace e2e {

inline const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";
inline const std::string kCorvaneKey = "Software\\Corvane";
inline const std::string kMessageTitle = "Matrox Corvane";

// The stand-in game in a folder of its own, with a blank in its name, inside the program folder.
class Game {
 public:
  explicit Game(const ProgramFolder& folder) : folder_(folder.file("Game Folder")) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    std::string from = STANDIN_GAME;
    for (char& c : from)
      if (c == '/') c = '\\';
    CopyFileA(from.c_str(), path().c_str(), FALSE);
  }
  // A game still running is told to end, and is waited for: its folder goes next, and with it
  // the file that tells it to.
  ~Game() {
    end();
    waitUntil([&] { return !started() || ended(); });
  }
  std::string folder() const { return folder_; }
  std::string path() const { return folder_ + "\\game.exe"; }
  std::string log() const {
    std::string bytes;
    if (FILE* f = std::fopen((folder_ + "\\game.log").c_str(), "rb")) {
      char chunk[512];
      std::size_t got;
      while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, got);
      std::fclose(f);
    }
    return bytes;
  }
  bool started() const { return log().find("started|") != std::string::npos; }
  bool ended() const { return log().find("ended") != std::string::npos; }
  // Tells the game to end, as its player would.
  void end() const {
    if (FILE* f = std::fopen((folder_ + "\\quit").c_str(), "wb")) std::fclose(f);
  }

 private:
  std::string folder_;
};

struct CommandLine : ::testing::Test {
  void SetUp() override {
    deleteTree(HKEY_LOCAL_MACHINE, kCorvaneKey);
    seedG200At16Bits();
  }

  // The highest clock kept with OK in the countdown on this machine, with this kind of tool, on
  // the demo's Millennium G200.
  static void confirmed(DWORD mhz, const std::string& toolKind = "G200clk.exe") {
    writeString(HKEY_LOCAL_MACHINE, kCorvaneKey, "ConfirmedTool", toolKind);
    writeString(HKEY_LOCAL_MACHINE, kCorvaneKey, "ConfirmedAdapter", "Matrox Millennium G200 AGP");
    writeInteger(HKEY_LOCAL_MACHINE, kCorvaneKey, "ConfirmedClock", mhz);
  }
  static DWORD integer(const std::string& name) {
    DWORD value = 0;
    return readInteger(HKEY_LOCAL_MACHINE, kDriverKey, name, &value) ? value : 0xFFFFFFFF;
  }
  static std::string quoted(const std::string& path) { return "\"" + path + "\""; }
  // Runs corvane.exe with these arguments until it ends by itself; its exit code.
  static DWORD runToEnd(Corvane& corvane) {
    if (!corvane.waitForExit(20000)) return STILL_ACTIVE;
    return corvane.exitCode();
  }
};

}  // namespace e2e
