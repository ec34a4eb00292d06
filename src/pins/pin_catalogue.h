#pragma once
// What the board choices of the PIN wizard mean: products with their codes and defaults, sale
// forms and countries with their bit groups, and the speeds a model code loads.
#include <optional>
#include <string>
#include <vector>
#include "text/catalogue.h"

namespace pins {

struct Product {
  const char* name;          // as the product list shows it
  const char* busLine;       // header line 4
  const char* biosLine;      // header line 5, with its trailing blank
  int ramdacDefault;         // loaded into the upper, 8-bit and 16-bit RAMDAC speeds
  std::vector<std::string> modelCodes;  // in list order
  const char* productBits;   // group 3 of entry 6
};

struct SaleForm {
  text::Id name;  // as the list shows it
  const char* bits;  // group 1 of entry 6
};

struct Country {
  text::Id name;  // as the list shows it
  const char* bits;  // group 2 of entry 6
};

const std::vector<Product>& products();
const std::vector<SaleForm>& saleForms();
const std::vector<Country>& countries();

// The seven speed settings in whole MHz, in the order the customize page lists them.
struct Speeds {
  int ramdacUpper = 250;
  int ramdac8 = 250;
  int ramdac16 = 250;
  int ramdac24 = 203;
  int ramdac32 = 152;
  int clock16 = 89;   // all resolutions at 16 bits, 32 bits up to 1024x768
  int clock824 = 66;  // all resolutions at 8 and 24 bits, 32 bits from 1024x768 up
};

// What picking a model code loads; a setting without a value is left as it is.
struct ModelDefaults {
  std::optional<int> ramdac24;
  std::optional<int> ramdac32;
  int clock16 = 89;
  int clock824 = 66;
};

// The speeds that belong to the code at `position` of product `product`'s list; nothing for a
// product or position the lists do not have.
std::optional<ModelDefaults> modelDefaults(int product, int position);

// Bounds of the speed settings, shared by the spins and the command-line generator.
constexpr int kRamdacMin = 75, kRamdacMax = 320;
constexpr int kClock16Min = 89, kClock16Max = 130;
constexpr int kClock824Min = 66, kClock824Max = 120;

}  // namespace pins
