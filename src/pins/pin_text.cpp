// Composes the PIN text line by line in the layout the BIOS utility itself lists.
#include "pins/pin_text.h"

namespace pins {

namespace {

template <typename Table>
const typename Table::value_type& rowOrFirst(const Table& table, int index) {
  const bool inside = index >= 0 && index < static_cast<int>(table.size());
  return table[inside ? static_cast<std::size_t>(index) : 0];
}

std::string entry(int number, const std::string& value) {
  return "  " + std::to_string(number) + ": " + value;
}

std::string entry(int number, int value) { return entry(number, std::to_string(value)); }

}  // namespace

std::string formatPinDate(const platform::Date& date) {
  return std::to_string(date.day) + "/" + std::to_string(date.month) + "/" +
         std::to_string(date.year);
}

std::string entry6Bits(const PinChoices& choices) {
  return std::string(rowOrFirst(saleForms(), choices.saleForm).bits) + " " +
         rowOrFirst(countries(), choices.country).bits + " " +
         rowOrFirst(products(), choices.product).productBits + " 0000";
}

PinText buildPinText(const PinChoices& choices, const platform::Date& date) {
  const Product& product = rowOrFirst(products(), choices.product);
  const Speeds& s = choices.speeds;
  // Each quantity is stored with its own offset: RAMDAC speeds less 100, the 8/24-bit clock
  // less 4, the 16-bit clock less 5.
  const int clock824 = s.clock824 - 4;
  const int clock16 = s.clock16 - 5;

  PinText text;
  text.reserve(kPinTextLines);
  text.push_back("MGA Bios Programming Utility v1.80d");
  text.push_back("  (C) Matrox Graphics Inc. (1998)");
  text.push_back("  ");
  text.push_back(product.busLine);
  text.push_back(product.biosLine);
  text.push_back("  ");

  text.push_back(entry(0, "PIN"));
  text.push_back(entry(1, 64));
  text.push_back(entry(2, 255));
  text.push_back(entry(3, "3.0"));
  text.push_back(entry(4, formatPinDate(date)));
  text.push_back(entry(5, 2));
  text.push_back(entry(6, entry6Bits(choices)));
  text.push_back(entry(7, choices.serial));
  text.push_back(entry(8, choices.modelCode));
  text.push_back(entry(9, "798 2"));
  text.push_back(entry(10, s.ramdacUpper - 100));
  text.push_back(entry(11, s.ramdac8 - 100));
  text.push_back(entry(12, s.ramdac16 - 100));
  text.push_back(entry(13, s.ramdac24 - 100));
  text.push_back(entry(14, s.ramdac32 - 100));
  text.push_back(entry(15, 255));
  text.push_back(entry(16, 255));
  text.push_back(entry(17, 66));
  text.push_back(entry(18, clock824));
  text.push_back(entry(19, 66));
  text.push_back(entry(20, 66));
  text.push_back(entry(21, 66));
  text.push_back(entry(22, "042450a1"));
  text.push_back(entry(23, 0));
  text.push_back(entry(24, 238));
  text.push_back(entry(25, 3));
  text.push_back(entry(26, 128));
  text.push_back(entry(27, 136));
  text.push_back(entry(28, 0));
  text.push_back(entry(29, 8));
  text.push_back(entry(30, 255));
  text.push_back(entry(31, clock16));
  text.push_back(entry(32, 67));
  text.push_back(entry(33, 204));
  text.push_back(entry(34, 193));
  return text;
}

}  // namespace pins
