#pragma once
// What the program reads of PowerDesk, the driver's control program: its folder and its name
// as installed.
#include <optional>
#include <string>

#include "stored/registry.h"

namespace stored {

class PowerDesk {
 public:
  explicit PowerDesk(Registry& registry) : registry_(registry) {}

  // PowerDesk's folder; empty when it is not stored.
  std::string folder();
  // Its name and version from the list of installed programs; nothing when not stored.
  std::optional<std::string> productName();

 private:
  Registry& registry_;
};

}  // namespace stored
