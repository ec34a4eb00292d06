#pragma once
// What Windows records of the display: the adapter's description and the mode in use.
#include <optional>
#include <string>

#include "stored/registry_key.h"

namespace stored {

class DisplayDetection {
 public:
  // Reads the mode's key as `access` says (the window makes it when missing).
  explicit DisplayDetection(Registry& registry,
                            Access access = Access::CreateIfMissing)
      : registry_(registry), access_(access) {}

  // The description of the highest numbered adapter key from "0010" down to "0000", whoever
  // it belongs to; "0000" is made as the last resort. Empty when it holds none.
  std::string adapterDescription();
  // Bits per pixel and the resolution ("1024,768") as stored; nothing when not stored.
  std::optional<std::string> bitsPerPixel();
  std::optional<std::string> resolution();

 private:
  Registry& registry_;
  Access access_;
};

}  // namespace stored
