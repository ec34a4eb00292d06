#pragma once
// What the program learns about the machine as it starts, made once and handed to whoever needs
// it: the pages, the presets, the clock service, the command line. Captions are set from it and
// never read back. Whatever start-up did not learn (it stopped before, or the system was
// refused) stays "not known" here, which is not the same as a value Windows does not keep.
#include <optional>
#include <string>
#include <utility>

#include "platform/seams.h"

namespace platform {

// A value read from what Windows records: not known until it has been read, then what Windows
// keeps (nothing when it keeps none).
struct RecordedValue {
  bool known = false;
  std::optional<std::string> value;

  void learn(std::optional<std::string> read) {
    known = true;
    value = std::move(read);
  }
};

// What the start-up identification decided about the processor; nothing where it decided
// nothing.
struct ProcessorFacts {
  std::optional<std::string> platformLabel;  // the socket, as shown: "Socket7 (Super7)"
  std::optional<bool> writeCombiningUsable;  // the write-combining box may be used
  std::optional<bool> threeDNowUsable;       // the 3DNow! box may be used
};

struct MachineFacts {
  // The Windows family as the system says it; nothing when it did not say.
  std::optional<OsPlatform> family;
  ProcessorFacts processor;
  // The display: the adapter's description ("" when its key holds none) and the mode in use.
  RecordedValue adapter;
  RecordedValue bitsPerPixel;  // "16"
  RecordedValue resolution;    // "1024,768", as stored
  RecordedValue powerDesk;     // PowerDesk's product name and version
  RecordedValue monitor;
};

}  // namespace platform
