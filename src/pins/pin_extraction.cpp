// Running the BIOS utility and moving its dump into place.
#include "pins/pin_extraction.h"

#include <vector>

#include "pins/pin_paths.h"
#include "platform/errors.h"
#include "text/catalogue.h"

namespace pins {

namespace {

void moveFreshDumpIn(platform::TextFiles& files, const std::string& toolFolder) {
  // The utility writes beside the dump, never over it: a missing utility, or one that writes
  // nothing, leaves a dump of an earlier run as it was and no empty dump behind.
  const std::string fresh = freshDumpPathIn(toolFolder);
  std::vector<std::string> produced;
  try {
    produced = files.readRawLines(fresh);
  } catch (const platform::UserError&) {
    return;  // nothing was written at all
  }
  if (produced.empty()) files.remove(fresh);
  else files.moveOver(fresh, dumpPathIn(toolFolder));
}

}  // namespace

void runBiosUtility(platform::Services& services, const std::string& toolFolder) {
  // Output left by an interrupted earlier run must not pass for this run's.
  services.files.remove(freshDumpPathIn(toolFolder));
  services.launcher.runThroughShell(extractionCommandLine(toolFolder),
                                    extractionWorkingFolder(toolFolder),
                                    platform::ShowMode::Hidden);
  services.dialogs.messageBox(text::tr(text::Id::TitleInformation),
                              text::tr(text::Id::WizardPinsCreated),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

PinText takeDump(platform::TextFiles& files, const std::string& toolFolder) {
  moveFreshDumpIn(files, toolFolder);
  return files.readLines(dumpPathIn(toolFolder));
}

}  // namespace pins
