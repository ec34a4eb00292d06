// Reading pin-text's options into the generator's choices, each checked against its bounds.
#include "options.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace pintext {

const char* const kUsage =
    "usage: pin-text [--product N] [--model CODE] [--sale N] [--country N] [--serial TEXT]\n"
    "                [--ramdac U,R8,R16,R24,R32] [--clocks C16,C824] [--date D/M/YYYY]\n"
    "Prints the PIN text for these choices, CR LF after every line, in code page 932.\n"
    "  --product  0 SGRAM AGP, 1 SDRAM AGP, 2 Mystique, 3 Marvel, 4 G200SD PCI (default 0)\n"
    "  --model    one of the product's model codes (default its first)\n"
    "  --sale     0 English retail, 1 InfoMagic/SYNNEX retail, 2 bulk (default 0)\n"
    "  --country  0 Canada, 1 USA, 2 Taiwan, 3 China, 4 Ireland (default 0)\n"
    "  --serial   serial number, written as given (default XXX00000)\n"
    "  --ramdac   RAMDAC speeds in MHz, 75 to 320: upper limit, 8, 16, 24, 32 bits\n"
    "  --clocks   16-bit clock 89 to 130 MHz, 8/24-bit clock 66 to 120 MHz\n"
    "             (speeds default to those the product and model load in the wizard)\n"
    "  --date     day/month/year of entry 4 (default today)\n";

namespace {

[[noreturn]] void fail(const std::string& message) { throw std::invalid_argument(message); }

int parseNumber(const std::string& text, const std::string& what) {
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || value < -100000 || value > 100000)
    fail(what + ": '" + text + "' is not a whole number");
  return static_cast<int>(value);
}

int parseInRange(const std::string& text, const std::string& what, int low, int high) {
  const int value = parseNumber(text, what);
  if (value < low || value > high)
    fail(what + ": " + text + " is outside " + std::to_string(low) + " to " +
         std::to_string(high));
  return value;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    const auto at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

std::vector<int> parseList(const std::string& text, const std::string& what, std::size_t count) {
  const auto parts = split(text, ',');
  if (parts.size() != count)
    fail(what + ": expected " + std::to_string(count) + " numbers separated by commas, got '" +
         text + "'");
  std::vector<int> values;
  for (const auto& part : parts) values.push_back(parseNumber(part, what));
  return values;
}

int daysInMonth(int month, int year) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

platform::Date parseDate(const std::string& text) {
  const auto parts = split(text, '/');
  if (parts.size() != 3 || parts[2].size() != 4)
    fail("--date: '" + text + "' is not day/month/four-digit year");
  platform::Date date;
  date.day = parseInRange(parts[0], "--date day", 1, 31);
  date.month = parseInRange(parts[1], "--date month", 1, 12);
  date.year = parseInRange(parts[2], "--date year", 1000, 9999);
  if (date.day > daysInMonth(date.month, date.year))
    fail("--date: '" + text + "' is not a day of the calendar (" + parts[1] + "/" + parts[2] +
         " has " + std::to_string(daysInMonth(date.month, date.year)) + " days)");
  return date;
}

}  // namespace

Request parseArguments(const std::vector<std::string>& arguments, const platform::Date& today) {
  Request request;
  request.date = today;
  std::optional<std::string> model;
  std::optional<std::vector<int>> ramdac, clocks;
  pins::PinChoices& c = request.choices;
  c.serial = "XXX00000";

  // "--serial=" is the way to give an empty value where a shell or script drops empty words.
  std::vector<std::string> words;
  for (const auto& argument : arguments) {
    const auto equals = argument.find('=');
    if (argument.rfind("--", 0) == 0 && equals != std::string::npos) {
      words.push_back(argument.substr(0, equals));
      words.push_back(argument.substr(equals + 1));
    } else {
      words.push_back(argument);
    }
  }

  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& name = words[i];
    if (name == "--help" || name == "-h") {
      request.help = true;
      return request;
    }
    static const char* const kOptions[] = {"--product", "--model",  "--sale",   "--country",
                                           "--serial",  "--ramdac", "--clocks", "--date"};
    if (std::find(std::begin(kOptions), std::end(kOptions), name) == std::end(kOptions))
      fail("unknown option '" + name + "'");
    if (i + 1 >= words.size()) fail(name + " needs a value");
    const std::string& value = words[++i];
    if (name == "--product")
      c.product = parseInRange(value, name, 0, static_cast<int>(pins::products().size()) - 1);
    else if (name == "--model")
      model = value;
    else if (name == "--sale")
      c.saleForm = parseInRange(value, name, 0, static_cast<int>(pins::saleForms().size()) - 1);
    else if (name == "--country")
      c.country = parseInRange(value, name, 0, static_cast<int>(pins::countries().size()) - 1);
    else if (name == "--serial")
      c.serial = value;
    else if (name == "--ramdac")
      ramdac = parseList(value, name, 5);
    else if (name == "--clocks")
      clocks = parseList(value, name, 2);
    else  // "--date"
      request.date = parseDate(value);
  }

  const pins::Product& product = pins::products()[static_cast<std::size_t>(c.product)];
  const auto& codes = product.modelCodes;
  const auto found = model ? std::find(codes.begin(), codes.end(), *model) : codes.begin();
  if (found == codes.end()) {
    std::string listed;
    for (const auto& code : codes) listed += (listed.empty() ? "" : " ") + code;
    fail("--model: '" + *model + "' is not a code of " + product.name + " (" + listed + ")");
  }
  c.modelCode = *found;

  // The speeds the wizard holds after picking this product and then this model.
  pins::Speeds& s = c.speeds;
  s.ramdacUpper = s.ramdac8 = s.ramdac16 = product.ramdacDefault;
  if (const auto d = pins::modelDefaults(c.product, static_cast<int>(found - codes.begin()))) {
    if (d->ramdac24) s.ramdac24 = *d->ramdac24;
    if (d->ramdac32) s.ramdac32 = *d->ramdac32;
    s.clock16 = d->clock16;
    s.clock824 = d->clock824;
  }
  if (ramdac) {
    for (int v : *ramdac)
      if (v < pins::kRamdacMin || v > pins::kRamdacMax)
        fail("--ramdac: " + std::to_string(v) + " MHz is outside 75 to 320");
    s.ramdacUpper = (*ramdac)[0];
    s.ramdac8 = (*ramdac)[1];
    s.ramdac16 = (*ramdac)[2];
    s.ramdac24 = (*ramdac)[3];
    s.ramdac32 = (*ramdac)[4];
  }
  if (clocks) {
    s.clock16 = (*clocks)[0];
    s.clock824 = (*clocks)[1];
    if (s.clock16 < pins::kClock16Min || s.clock16 > pins::kClock16Max)
      fail("--clocks: 16-bit clock " + std::to_string(s.clock16) + " MHz is outside 89 to 130");
    if (s.clock824 < pins::kClock824Min || s.clock824 > pins::kClock824Max)
      fail("--clocks: 8/24-bit clock " + std::to_string(s.clock824) +
           " MHz is outside 66 to 120");
  }
  return request;
}

}  // namespace pintext
