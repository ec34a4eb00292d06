#include <set>

#include "pins/pin_text.h"
#include "wizard_fixture.h"

TEST(PinText, StartValuesAndSpeedBoundsGiveTheGoldenTexts) {
  pins::PinChoices c;
  c.modelCode = "201";
  c.serial = "XXX00000";
  EXPECT_EQ(pins::buildPinText(c, {6, 12, 2026}), goldenLines("start-values.txt"));
  c.speeds = {75, 75, 75, 75, 75, 89, 66};
  EXPECT_EQ(pins::buildPinText(c, {1, 3, 2027}), goldenLines("lowest-speeds.txt"));
  c.speeds = {320, 320, 320, 320, 320, 130, 120};
  EXPECT_EQ(pins::buildPinText(c, {31, 12, 1999}), goldenLines("highest-speeds.txt"));
}

TEST(PinText, SaleFormCountryAndProductMakeThirtySixPatterns) {
  std::set<std::string> patterns;
  pins::PinChoices c;
  for (c.product = 0; c.product < 5; ++c.product)
    for (c.saleForm = 0; c.saleForm < 3; ++c.saleForm)
      for (c.country = 0; c.country < 5; ++c.country) patterns.insert(pins::entry6Bits(c));
  EXPECT_EQ(patterns.size(), 36u);
  c = {};
  c.saleForm = 2;
  for (c.country = 2; c.country <= 4; ++c.country)  // Taiwan, China, Ireland
    EXPECT_EQ(pins::entry6Bits(c), "0001 0010 0110 0000") << c.country;
  // Just past the end of a list counts as its first row, as any index outside does.
  using C = pins::PinChoices;
  for (auto [index, size] : {std::pair{&C::product, pins::products().size()},
                             {&C::saleForm, pins::saleForms().size()},
                             {&C::country, pins::countries().size()}})
    EXPECT_EQ(pins::entry6Bits((c = {}, c.*index = int(size), c)), pins::entry6Bits({})) << size;
}
