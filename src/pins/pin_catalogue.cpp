// The board tables behind the wizard's lists; read by the generator, the wizard and pin-text.
#include "pins/pin_catalogue.h"
#include "text/catalogue.h"

namespace pins {

const std::vector<Product>& products() {
  static const std::vector<Product> table = {
      {"Millennium G200 SGRAM AGP", "  Matrox MGA-G200 AGP", "  VGA Enabled - BIOS V1.6 ", 250,
       {"201", "202", "203", "203a", "203b", "205", "205a", "206", "206a", "207", "207a", "208",
        "208a", "209", "209a", "209b", "209c", "209d", "210"},
       "0110"},
      {"Millennium G200 SDRAM AGP", "  Matrox MGA-G200 AGP", "  VGA Enabled - BIOS V1.3 ", 250,
       {"000", "001", "001a", "001b", "002", "003", "003a", "004", "004a", "004b", "004c"},
       "0000"},
      {"Mystique G200", "  Matrox MGA-G200 AGP", "  VGA Enabled - BIOS V1.6 ", 230,
       {"000", "001", "001a"}, "0100"},
      {"Marvel G200-TV AGP", "  Matrox MGA-G200 AGP", "  VGA Enabled - BIOS V1.4 TVO ", 230,
       {"003a"}, "1000"},
      {"Millennium G200SD PCI", "  Matrox MGA-G200 PCI", "  VGA Enabled - BIOS V1.1 ", 250,
       {"000"}, "0110"},
  };
  return table;
}

const std::vector<SaleForm>& saleForms() {
  static const std::vector<SaleForm> table = {
      {text::Id::SaleEnglishRetail, "0000"},
      {text::Id::SaleInfoMagicRetail, "0010"},
      {text::Id::SaleBulk, "0001"},
  };
  return table;
}

const std::vector<Country>& countries() {
  static const std::vector<Country> table = {
      {text::Id::CountryCanada, "0011"},
      {text::Id::CountryUsa, "0000"},
      {text::Id::CountryTaiwan, "0010"},
      {text::Id::CountryChina, "0010"},
      {text::Id::CountryIreland, "0010"},
  };
  return table;
}

std::optional<ModelDefaults> modelDefaults(int product, int position) {
  if (product < 0 || product >= static_cast<int>(products().size())) return std::nullopt;
  const int codes = static_cast<int>(products()[static_cast<std::size_t>(product)].modelCodes.size());
  if (position < 0 || position >= codes) return std::nullopt;
  switch (product) {
    case 0:
      // The SGRAM board's later codes ("207a" on) are the faster batches.
      if (position <= 8) return ModelDefaults{std::nullopt, std::nullopt, 89, 66};
      if (position == 9) return ModelDefaults{std::nullopt, std::nullopt, 89, 70};
      return ModelDefaults{232, 176, 95, 76};
    case 1:
    case 4:
      return ModelDefaults{214, 162, 89, 66};
    default:  // Mystique and Marvel
      return ModelDefaults{203, 152, 89, 66};
  }
}

}  // namespace pins
