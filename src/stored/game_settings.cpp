#include "stored/game_settings.h"

namespace stored {
namespace {

const char* nameOf(UnrealSwitch which) {
  switch (which) {
    case UnrealSwitch::Truecolor: return "Truecolor";
    case UnrealSwitch::DoFlip: return "DoFlip";
    case UnrealSwitch::TripleBuffering: return "TripleBuffering";
    case UnrealSwitch::DoTrilinear: return "DoTrilinear";
  }
  return "Truecolor";
}

constexpr const char* kTripleBuffer = "Triple Buffer";
constexpr const char* kScreenWidth = "ScreenWidth";
constexpr const char* kScreenHeight = "ScreenHeight";

}  // namespace

UnrealSettings::UnrealSettings(Registry& registry, Access access)
    : key_(registry, keys::kUnreal, access) {}

std::optional<std::int32_t> UnrealSettings::read(UnrealSwitch which) {
  return key_.integer(nameOf(which));
}

void UnrealSettings::write(UnrealSwitch which, int value) {
  key_.writeInteger(nameOf(which), value);
}

NeedForSpeed3Settings::NeedForSpeed3Settings(Registry& registry, Access access)
    : key_(registry, keys::kNeedForSpeed3, access) {}

std::optional<std::int32_t> NeedForSpeed3Settings::tripleBuffer() {
  return key_.integer(kTripleBuffer);
}

void NeedForSpeed3Settings::storeTripleBuffer(int value) { key_.writeInteger(kTripleBuffer, value); }

ForsakenSettings::ForsakenSettings(Registry& registry, Access access)
    : key_(registry, keys::kForsaken, access) {}

std::optional<bool> ForsakenSettings::isVgaMode() {
  const auto width = key_.bytes(kScreenWidth, 2);
  if (!width) return std::nullopt;
  return width->size() == 2 && (*width)[1] == 0x80;
}

void ForsakenSettings::storeVgaMode() {
  key_.writeBytes(kScreenWidth, {0x02, 0x80});
  key_.writeBytes(kScreenHeight, {0x01, 0xE0});
}

}  // namespace stored
