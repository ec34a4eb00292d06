// The texts' names, for the tests that check the two tables against each other. A file of its
// own, so that the program, which never asks for a name, does not carry them.
#include "text/catalogue.h"

namespace text {
namespace {

const char* const kNames[kTextCount] = {
#define TXT(name, words) #name,
#include "text/japanese.inc"
#undef TXT
};

}  // namespace

const char* nameOf(Id id) {
  const auto index = static_cast<unsigned>(id);
  return index < kTextCount ? kNames[index] : "";
}

}  // namespace text
