#pragma once
// A made-up processor state and memory for driving the P6-instruction emulator in tests.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>

#include "p6emu/p6emu.h"

using Extended = std::array<uint8_t, 10>;

// An 80-bit value from its fields; the mantissa includes the explicit integer bit.
inline Extended extended(bool negative, unsigned exponent, uint64_t mantissa) {
  Extended x{};
  for (int i = 0; i < 8; i++) x[i] = uint8_t(mantissa >> (8 * i));
  x[8] = uint8_t(exponent);
  x[9] = uint8_t(((exponent >> 8) & 0x7F) | (negative ? 0x80 : 0));
  return x;
}

struct MadeUpMachine {
  static constexpr uint32_t kCode = 0x401000;
  p6emu_state state{};
  std::map<uint32_t, uint8_t> memory;  // every other address is unreadable

  MadeUpMachine() {
    state.eip = kCode;
    state.eflags = 0x202;
    state.valid = P6EMU_HAVE_X87;
    state.x87.control_word = 0x037F;
    state.x87.tag_word = 0xFFFF;
  }
  void put(uint32_t address, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) memory[address++] = b;
  }
  // ST(0), ST(1), ... from `top` on; every other register empty.
  void loadStack(std::initializer_list<Extended> values, unsigned top = 6) {
    state.x87.status_word = uint16_t((state.x87.status_word & ~0x3800u) | top << 11);
    state.x87.tag_word = 0xFFFF;
    unsigned i = 0;
    for (const Extended& v : values) {
      for (int j = 0; j < 10; j++) state.x87.st[i][j] = v[j];
      state.x87.tag_word &= uint16_t(~(3u << 2 * ((top + i++) & 7)));
    }
  }
  unsigned top() const { return (state.x87.status_word >> 11) & 7u; }
  Extended st(unsigned i) const {
    Extended x;
    for (int j = 0; j < 10; j++) x[j] = state.x87.st[i][j];
    return x;
  }
  p6emu_result decode(std::initializer_list<uint8_t> code, p6emu_instruction& out) {
    put(state.eip, code);
    p6emu_memory m = reader();
    return p6emu_decode(&state, &m, &out);
  }
  p6emu_result run(std::initializer_list<uint8_t> code, p6emu_instruction* out = nullptr) {
    put(state.eip, code);
    p6emu_memory m = reader();
    return p6emu_emulate(&state, &m, out);
  }

 private:
  p6emu_memory reader() {
    return {[](void* self, uint32_t address, uint8_t* buffer, uint32_t size) -> int {
              auto& memory = static_cast<MadeUpMachine*>(self)->memory;
              for (uint32_t i = 0; i < size; i++) {
                auto it = memory.find(address + i);
                if (it == memory.end()) return 0;
                buffer[i] = it->second;
              }
              return 1;
            },
            this};
  }
};
