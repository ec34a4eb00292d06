#pragma once
// Where the PIN wizard's files go: the BIOS utility's folder, its command line and dump, and the
// names PIN files are saved under.
#include <string>

namespace pins {

// The folder of the clock tool path: the text up to its last "\" or ":", without the trailing
// "\" unless it is a drive root ("E:\"). A bare file name has an empty folder.
std::string toolFolderOf(const std::string& toolPath);

// "<folder>\PROGBIOS.EXE -d > mypins.new", the utility's path quoted when it has a blank. The
// output goes beside the dump, so a dump of an earlier run survives a utility that fails.
std::string extractionCommandLine(const std::string& toolFolder);

// "<folder>\mypins.txt": where the dump is kept and read from.
std::string dumpPathIn(const std::string& toolFolder);
// "<folder>\mypins.new": the utility's output, until it replaces the dump.
std::string freshDumpPathIn(const std::string& toolFolder);

// The folder the command interpreter starts in, so that "> mypins.new" lands beside the dump:
// the tool folder, or the root of the current drive when the tool folder is empty.
std::string extractionWorkingFolder(const std::string& toolFolder);

// A chosen save name, with ".txt" added when its file name has no extension.
std::string withTxtExtension(const std::string& path);

}  // namespace pins
