#pragma once
// The outside world as the windows see it: handed to every form at construction.
#include <string>

#include "platform/registry.h"
#include "platform/seams.h"

namespace platform {

struct Services {
  RegistryBackend& registry;
  Launcher& launcher;
  OsVersion& os;
  MilliTimer& timer;
  Calendar& calendar;
  TextFiles& files;
  Folders& folders;
  Dialogs& dialogs;
  ProcessorQuery& processor;
  // The folder of the program's own file, without a trailing backslash (a drive root keeps it).
  std::string programFolder;
};

}  // namespace platform
