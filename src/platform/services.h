#pragma once
// The outside world as the windows see it: handed to every form at construction.
#include <string>

#include "platform/seams.h"

// Declared, not included: the record only carries the registry's handle to the windows, which
// hand it to the settings objects (stored/registry.h), the one place that opens keys with it.
namespace stored { class Registry; }

namespace platform {

struct Services {
  stored::Registry& registry;
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
