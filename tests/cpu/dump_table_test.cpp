// Every public CPUID dump of the test data, identified through the page, against the outputs
// written beside each dump; and identify-cpu's golden files checked against the same rows.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "page_rig.h"

namespace {

using Fields = std::vector<std::string>;

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

Fields splitTabs(const std::string& line) {
  Fields fields(1);
  for (char c : line) {
    if (c == '\t') fields.emplace_back();
    else fields.back().push_back(c);
  }
  return fields;
}

std::string join(const Fields& fields, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) out += (i > from ? "\t" : "") + fields[i];
  return out;
}

// Columns of cpus.tsv: name, vendor, max leaf, leaf-1 EAX, EBX, ECX, EDX, family, model,
// stepping, clock, source, then the ten expected outputs.
std::vector<Fields> dumps() {
  std::vector<Fields> rows;
  const auto lines = readLines(CORVANE_TEST_DATA "/cpuid/cpus.tsv");
  for (std::size_t i = 1; i < lines.size(); ++i) rows.push_back(splitTabs(lines[i]));
  return rows;
}

std::uint32_t hex(const std::string& text) { return std::stoul(text, nullptr, 16); }

}  // namespace

TEST(DumpTable, EveryDumpIdentifiesAsWrittenBesideIt) {
  const auto rows = dumps();
  ASSERT_EQ(rows.size(), 85u);
  for (const Fields& row : rows) {
    ASSERT_EQ(row.size(), 22u) << row[0];
    PageRig rig;
    rig.use(row[1], hex(row[3]), hex(row[6]), hex(row[2]));
    rig.startUp();  // from the window's initial fields
    Fields actual = {"", rig.page.Label62.caption(), rig.page.Label71.caption(),
                     rig.Label38.caption(), rig.comwrite.enabled() ? "1" : "0",
                     rig.DNow.enabled() ? "1" : "0"};
    const int mhz = row[10].empty() ? 0 : std::stoi(row[10]);
    rig.showAt(mhz);
    actual[0] = rig.page.Label64.caption();
    for (const ui::Label* label : {&rig.page.Label62, &rig.page.Label71, &rig.page.Label82,
                                   &rig.page.Label83})
      actual.push_back(label->caption());
    EXPECT_EQ(join(actual, 0, 10), join(row, 12, 22)) << row[0] << " (" << row[11] << ")";
    EXPECT_EQ(rig.page.MeasuredMHz(), hex(row[6]) & 0x10 ? mhz : 0) << row[0];
  }
}

TEST(DumpTable, IdentifyCpuGoldenFilesFollowTheDumps) {
  const auto rows = dumps();
  const auto input = readLines(CORVANE_TEST_DATA "/cpuid/identify-cpu.input");
  const auto expected = readLines(CORVANE_TEST_DATA "/cpuid/identify-cpu.expected");
  ASSERT_EQ(input.size(), rows.size());
  ASSERT_EQ(expected.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Fields& r = rows[i];
    EXPECT_EQ(input[i], r[1] + "\t" + r[2] + "\t" + r[3] + "\t" + r[6] + "\t" + r[10]) << i;
    EXPECT_EQ(expected[i], join(r, 12, 22)) << i;
  }
}
