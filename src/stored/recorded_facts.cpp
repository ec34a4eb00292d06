#include "stored/recorded_facts.h"

#include "stored/display_detection.h"
#include "stored/driver_settings.h"
#include "stored/powerdesk.h"

namespace stored {

void RecordedFacts::adapter() {
  facts_.adapter.learn(DisplayDetection(registry_, access_).adapterDescription());
}

void RecordedFacts::bitsPerPixel() {
  facts_.bitsPerPixel.learn(DisplayDetection(registry_, access_).bitsPerPixel());
}

void RecordedFacts::resolution() {
  facts_.resolution.learn(DisplayDetection(registry_, access_).resolution());
}

void RecordedFacts::displayMode() {
  bitsPerPixel();
  resolution();
}

void RecordedFacts::powerDesk() { facts_.powerDesk.learn(PowerDesk(registry_).productName()); }

void RecordedFacts::monitor() { facts_.monitor.learn(DriverSettings(registry_).monitorName()); }

}  // namespace stored
