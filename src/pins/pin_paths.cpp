// File names of the PIN wizard. Paths are UTF-8, where no byte of a Japanese character can be
// taken for "\" (as a Shift-JIS trail byte could).
#include "pins/pin_paths.h"

#include "platform/text.h"

namespace pins {

std::string toolFolderOf(const std::string& toolPath) {
  const auto cut = toolPath.find_last_of("\\:");
  if (cut == std::string::npos) return {};
  if (toolPath[cut] == ':') return toolPath.substr(0, cut + 1);  // "E:G200clk.exe"
  const bool driveRoot = cut == 2 && toolPath[1] == ':';
  return toolPath.substr(0, driveRoot ? cut + 1 : cut);
}

std::string extractionCommandLine(const std::string& toolFolder) {
  return platform::quoteIfBlank(toolFolder + "\\PROGBIOS.EXE") + " -d > mypins.new";
}

std::string dumpPathIn(const std::string& toolFolder) { return toolFolder + "\\mypins.txt"; }

std::string freshDumpPathIn(const std::string& toolFolder) {
  return toolFolder + "\\mypins.new";
}

std::string extractionWorkingFolder(const std::string& toolFolder) {
  return toolFolder.empty() ? std::string("\\") : toolFolder;
}

std::string withTxtExtension(const std::string& path) {
  // Only a dot in the file's own name counts, not one in a folder's.
  const auto nameStart = path.find_last_of("\\/:");
  const auto dot = path.find('.', nameStart == std::string::npos ? 0 : nameStart);
  return dot != std::string::npos ? path : path + ".txt";
}

}  // namespace pins
