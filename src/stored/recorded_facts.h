#pragma once
// What Windows records of the display and the programs around it, learnt into the machine's
// facts. The window and the command line both learn here, so they learn the same thing the
// same way; each read is one of the settings objects' own.
#include "platform/machine_facts.h"
#include "stored/registry_key.h"

namespace stored {

class RecordedFacts {
 public:
  // `access` is how the display mode's key is read: the window makes it when missing, the
  // command line only looks.
  RecordedFacts(Registry& registry, platform::MachineFacts& facts, Access access)
      : registry_(registry), facts_(facts), access_(access) {}

  void adapter();
  void bitsPerPixel();
  void resolution();
  // Both of the above, in that order.
  void displayMode();
  void powerDesk();
  void monitor();

 private:
  Registry& registry_;
  platform::MachineFacts& facts_;
  Access access_;
};

}  // namespace stored
