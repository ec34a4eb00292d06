#include "stored/display_detection.h"

#include "platform/text.h"
#include "stored/registry_key.h"

namespace stored {
namespace {

constexpr const char* kDescription = "DriverDesc";
constexpr int kHighestAdapter = 10;

}  // namespace

std::string DisplayDetection::adapterDescription() {
  for (int number = kHighestAdapter; number >= 0; --number) {
    RegistryKey adapter(registry_, keys::kDisplayClass, Access::ExistingReadOnly,
                        platform::zeroPadded(number, 4));
    if (adapter.isOpen()) return adapter.text(kDescription);
  }
  return RegistryKey(registry_, keys::kDisplayClass, Access::CreateIfMissing, "0000")
      .text(kDescription);
}

std::optional<std::string> DisplayDetection::bitsPerPixel() {
  return RegistryKey(registry_, keys::kDisplaySettings, access_).textIfPresent("BitsPerPixel");
}

std::optional<std::string> DisplayDetection::resolution() {
  return RegistryKey(registry_, keys::kDisplaySettings, access_).textIfPresent("Resolution");
}

}  // namespace stored
