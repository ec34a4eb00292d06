#pragma once
// The PIN text: the 41-line listing of a board's production-information block, and the one
// generator that composes it from the user's choices.
#include <string>
#include <vector>

#include "pins/pin_catalogue.h"
#include "platform/seams.h"

namespace pins {

// One string per line, without line breaks. Files carry CR LF after every line, the last too.
using PinText = std::vector<std::string>;

constexpr std::size_t kPinTextLines = 41;

// The inputs of the generator, read from the wizard's controls when it runs.
struct PinChoices {
  int product = 0;        // index into products(); outside it counts as the first product
  std::string modelCode;  // written as it stands
  int saleForm = 0;       // index into saleForms(); outside it counts as the first
  int country = 0;        // index into countries(); outside it counts as the first
  std::string serial;     // written exactly as typed, blanks and all
  Speeds speeds;
};

// Day/month/year without leading zeros: 6/12/2026, 1/3/2027.
std::string formatPinDate(const platform::Date& date);

// Entry 6: sale form, country and product bit groups, then "0000".
std::string entry6Bits(const PinChoices& choices);

PinText buildPinText(const PinChoices& choices, const platform::Date& date);

}  // namespace pins
