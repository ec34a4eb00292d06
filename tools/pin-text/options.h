#pragma once
// pin-text's command line: the generator's choices and the date, or what is wrong with them.
#include <string>
#include <vector>

#include "pins/pin_text.h"

namespace pintext {

struct Request {
  pins::PinChoices choices;
  platform::Date date;
  bool help = false;
};

// Parses UTF-8 arguments (without the program name). Options left out take the values the wizard
// holds once the product and model are picked; the date defaults to `today`.
// Throws std::invalid_argument with a one-line message.
Request parseArguments(const std::vector<std::string>& arguments, const platform::Date& today);

extern const char* const kUsage;

}  // namespace pintext
