#include "pins/pin_catalogue.h"
#include "wizard_fixture.h"

TEST_F(WizardTest, BothPagesGenerateTheSameTextAndEnableTheirButtons) {
  toCreatePage();
  wizard.Button7.userClick();
  EXPECT_EQ(wizard.pinBuffer(), goldenLines("start-values.txt"));
  EXPECT_TRUE(wizard.PINSaveButton.enabled() && wizard.ShowPIN.enabled());
  EXPECT_FALSE(wizard.Button8.enabled() || wizard.Button9.enabled());  // wait for their page
  wizard.CheckBox2.userClick();
  next();
  wizard.Button10.userClick();
  EXPECT_EQ(wizard.pinBuffer(), goldenLines("start-values.txt"));
  EXPECT_TRUE(wizard.Button8.enabled() && wizard.Button9.enabled());
}

TEST_F(WizardTest, AProductLoadsItsRamdacSpeedsAndCodesAModelTheRest) {
  toCreatePage();
  wizard.ComboBox1.userSelect(11);  // "208"
  wizard.ComboBox2.userSelect(2);   // Mystique: 24/32-bit and clocks wait for a model pick
  EXPECT_EQ(spins(), (std::vector<int>{230, 230, 230, 232, 176, 95, 76}));
  EXPECT_EQ(wizard.ComboBox1.items(), (std::vector<std::string>{"000", "001", "001a"}));
  EXPECT_EQ(wizard.ComboBox1.text(), "000");
  wizard.ComboBox1.userSelect(2);
  EXPECT_EQ(spins(), (std::vector<int>{230, 230, 230, 203, 152, 89, 66}));
  wizard.ComboBox4.userSelect(1);
  wizard.Button7.userClick();
  EXPECT_EQ(wizard.pinBuffer(), goldenLines("mystique-001a-usa.txt"));

  wizard.ComboBox2.userSelect(4);  // the PCI board: one code, SDRAM speeds, SGRAM bits
  wizard.ComboBox1.userSelect(0);
  wizard.ComboBox3.userSelect(1);
  wizard.ComboBox4.userSelect(4);
  wizard.Button7.userClick();
  EXPECT_EQ(wizard.pinBuffer(), goldenLines("g200sd-pci-ireland.txt"));
  wizard.ComboBox2.userSelect(0);
  EXPECT_EQ(wizard.ComboBox1.items().size(), 19u) << "the SGRAM board's codes again";
}

TEST_F(WizardTest, SgramModelCodesLoadTheirClocks) {
  toCreatePage();
  wizard.ComboBox1.userSelect(9);  // "207"
  wizard.Button7.userClick();
  EXPECT_EQ(wizard.pinBuffer(), goldenLines("sgram-207.txt"));
  for (int position = 10; position <= 18; ++position) {  // "207a" to "210"
    wizard.ComboBox1.userSelect(position);
    EXPECT_EQ(spins(), (std::vector<int>{250, 250, 250, 232, 176, 95, 76})) << position;
  }
  wizard.ComboBox3.userSelect(2);
  wizard.ComboBox4.userSelect(2);
  wizard.Button7.userClick();
  EXPECT_EQ(wizard.pinBuffer(), goldenLines("sgram-210-bulk-taiwan.txt"));
  wizard.ComboBox1.userSelect(0);  // back to "201": the clocks return, 24/32-bit stay
  EXPECT_EQ(spins(), (std::vector<int>{250, 250, 250, 232, 176, 89, 66}));

  // Every code of every product loads something; a product or position beyond the lists loads
  // nothing.
  const int productCount = static_cast<int>(pins::products().size());
  for (int product = 0; product < productCount; ++product) {
    const int codes = static_cast<int>(pins::products()[std::size_t(product)].modelCodes.size());
    EXPECT_TRUE(pins::modelDefaults(product, 0)) << product;
    EXPECT_TRUE(pins::modelDefaults(product, codes - 1)) << product;
    EXPECT_FALSE(pins::modelDefaults(product, codes)) << product;
    EXPECT_FALSE(pins::modelDefaults(product, -1)) << product;
  }
  EXPECT_EQ(pins::modelDefaults(0, 8)->clock824, 66);  // "206a", the last of the slower batches
  EXPECT_FALSE(pins::modelDefaults(productCount, 0));
  EXPECT_FALSE(pins::modelDefaults(-1, 0));
}

TEST_F(WizardTest, EnteringTheCreatePageSelectsFirstEntriesWithoutLoadingAnything) {
  toCreatePage();
  wizard.ComboBox2.userSelect(2);
  wizard.ComboBox1.userSelect(1);
  wizard.ComboBox4.userSelect(3);
  back();
  wizard.Button6.userClick();
  EXPECT_EQ(std::vector<int>({wizard.ComboBox2.itemIndex(), wizard.ComboBox1.itemIndex(),
                              wizard.ComboBox4.itemIndex()}),
            std::vector<int>({0, 0, 0}));
  EXPECT_EQ(wizard.ComboBox1.items().size(), 3u);  // still the codes of the product picked last
  EXPECT_EQ(spins(), (std::vector<int>{230, 230, 230, 203, 152, 89, 66}));
}

TEST_F(WizardTest, SpeedsAreTheSpinPositionsAndTheDateIsToday) {
  toCreatePage();
  wizard.UpDown2.userSetPosition(60);  // the spin stops at 75
  wizard.Edit2.userSetText("320");
  wizard.Edit11.userSetText("abc");  // refused by the spin, which keeps 250
  wizard.UpDown7.userSetPosition(200);
  world.calendar.date = {1, 3, 2027};
  wizard.Button7.userClick();
  EXPECT_EQ(std::vector<std::string>({entry(10), entry(11), entry(12), entry(31), entry(4)}),
            std::vector<std::string>({"-25", "220", "150", "125", "1/3/2027"}));
  const auto first = wizard.pinBuffer();
  world.calendar.date = {2, 3, 2027};
  wizard.Button7.userClick();
  auto second = wizard.pinBuffer();
  EXPECT_EQ(entry(4), "2/3/2027");
  second[10] = first[10];
  EXPECT_EQ(second, first);  // nothing else changed
}

TEST_F(WizardTest, SpeedsTypedBeyondTheirRangeGoInAsTheBoxesThenShowThem) {
  toCreatePage();
  wizard.CheckBox2.userClick();
  next();
  wizard.Edit1.userSetText("999");  // beyond 320: the spin keeps 250 until the text is used
  wizard.Edit14.userSetText("12");  // below 89
  wizard.Edit15.userSetText("x");
  wizard.Edit2.userSetText("-99999999999");  // too many digits still say which end
  wizard.Edit11.userSetText("99999999999");
  wizard.Button10.userClick();
  EXPECT_EQ(wizard.Edit1.text(), "320");
  EXPECT_EQ(wizard.Edit14.text(), "89");
  EXPECT_EQ(wizard.Edit15.text(), "66") << "text that is no number gives way to the spin's value";
  EXPECT_EQ(spins(), (std::vector<int>{320, 75, 320, 203, 152, 89, 66}));
  EXPECT_EQ(entry(10), "220") << "the RAMDAC's upper speed as the box shows it";
}
