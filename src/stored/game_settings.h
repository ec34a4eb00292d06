#pragma once
// The three games' own keys. Reads look only at a key that is there (a game whose key is missing
// has none of its values); writes make the key.
#include <cstdint>
#include <optional>

#include "stored/registry_key.h"

namespace stored {

enum class UnrealSwitch { Truecolor, DoFlip, TripleBuffering, DoTrilinear };

class UnrealSettings {
 public:
  UnrealSettings(Registry& registry, Access access);
  // The stored number; nothing when missing; another type is the store's error.
  std::optional<std::int32_t> read(UnrealSwitch which);
  void write(UnrealSwitch which, int value);

 private:
  RegistryKey key_;
};

class NeedForSpeed3Settings {
 public:
  NeedForSpeed3Settings(Registry& registry, Access access);
  std::optional<std::int32_t> tripleBuffer();
  void storeTripleBuffer(int value);

 private:
  RegistryKey key_;
};

class ForsakenSettings {
 public:
  ForsakenSettings(Registry& registry, Access access);
  // Nothing when no screen width is stored; otherwise whether it is 640 (two bytes, the low
  // one 0x80). A width of another type, or longer, is the store's error.
  std::optional<bool> isVgaMode();
  // 640 by 480, the one mode the game's box offers.
  void storeVgaMode();

 private:
  RegistryKey key_;
};

}  // namespace stored
