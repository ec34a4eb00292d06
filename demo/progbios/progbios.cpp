// Stand-in for the Matrox BIOS utility on the demo machine: "-d" lists the PIN block of the
// demo board on standard output, in the utility's 41-line layout, the way "PROGBIOS -d > file"
// leaves it for the PIN wizard.
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The demo board: a Millennium G200 SGRAM AGP, model 203a, sold in bulk, made in Taiwan.
const char* const kDump[] = {
    "MGA Bios Programming Utility v1.80d",
    "  (C) Matrox Graphics Inc. (1998)",
    "  ",
    "  Matrox MGA-G200 AGP",
    "  VGA Enabled - BIOS V1.6 ",
    "  ",
    "  0: PIN",
    "  1: 64",
    "  2: 255",
    "  3: 3.0",
    "  4: 14/9/1998",
    "  5: 2",
    "  6: 0001 0010 0110 0000",
    "  7: KJ1234567",
    "  8: 203a",
    "  9: 798 2",
    "  10: 150",
    "  11: 150",
    "  12: 150",
    "  13: 103",
    "  14: 52",
    "  15: 255",
    "  16: 255",
    "  17: 66",
    "  18: 62",
    "  19: 66",
    "  20: 66",
    "  21: 66",
    "  22: 042450a1",
    "  23: 0",
    "  24: 238",
    "  25: 3",
    "  26: 128",
    "  27: 136",
    "  28: 0",
    "  29: 8",
    "  30: 255",
    "  31: 84",
    "  32: 67",
    "  33: 204",
    "  34: 193",
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || (std::strcmp(argv[1], "-d") != 0 && std::strcmp(argv[1], "-D") != 0)) {
    std::fputs("MGA Bios Programming Utility v1.80d (demo stand-in)\r\n"
               "usage: PROGBIOS -d    list the PIN block of the installed board\r\n",
               stdout);
    return 1;
  }
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the lines end in CR LF exactly once
#endif
  for (const char* line : kDump) std::printf("%s\r\n", line);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
