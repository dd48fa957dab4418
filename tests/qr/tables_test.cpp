// The mode, level and version tables that 二维码类::init builds, checked
// against the properties ISO/IEC 18004 fixes for them: codeword counts from
// the symbol's module count, the data capacities, the alignment spacing rule
// and the BCH code of the version information.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "qr/qr_code.h"
#include "tests/qr/report_capture.h"
#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using qr_testing::report_of;
using testing_support::PrintTo;

class QrTablesTest : public ::testing::Test {
 protected:
  void SetUp() override { code.init(); }

  QrErrorLevel level(std::int32_t ordinal) const { return code.取容错级别_按索引(ordinal); }

  QrTables tables;
  二维码类 code{tables};
};

// Data codewords per version for L, M, Q and H (the symbol capacity table).
constexpr std::array<std::array<std::int32_t, 40>, 4> kDataCodewords = {{
    {19, 34, 55, 80, 108, 136, 156, 194, 232, 274, 324, 370, 428, 461, 523, 589, 647, 721, 795, 861,
     932, 1006, 1094, 1174, 1276, 1370, 1468, 1531, 1631, 1735, 1843, 1955, 2071, 2191, 2306, 2434,
     2566, 2702, 2812, 2956},
    {16, 28, 44, 64, 86, 108, 124, 154, 182, 216, 254, 290, 334, 365, 415, 453, 507, 563, 627, 669,
     714, 782, 860, 914, 1000, 1062, 1128, 1193, 1267, 1373, 1455, 1541, 1631, 1725, 1812, 1914,
     1992, 2102, 2216, 2334},
    {13, 22, 34, 48, 62, 76, 88, 110, 132, 154, 180, 206, 244, 261, 295, 325, 367, 397, 445, 485,
     512, 568, 614, 664, 718, 754, 808, 871, 911, 985, 1033, 1115, 1171, 1231, 1286, 1354, 1426,
     1502, 1582, 1666},
    {9, 16, 26, 36, 46, 60, 66, 86, 100, 122, 140, 158, 180, 197, 223, 253, 283, 313, 341, 385, 406,
     442, 464, 514, 538, 596, 628, 661, 701, 745, 793, 845, 901, 961, 986, 1054, 1096, 1142, 1222,
     1276},
}};

// Modules left for codewords once the function patterns are placed, in whole codewords.
std::int32_t codewords_from_module_count(std::int32_t version) {
  std::int32_t side = 4 * version + 17;
  std::int32_t modules = side * side;
  modules -= 3 * 8 * 8;            // finder patterns with their separators
  modules -= 2 * (side - 16);      // timing patterns between them
  if (version >= 2) {
    std::int32_t per_axis = version / 7 + 2;
    std::int32_t patterns = per_axis * per_axis - 3;  // none over a finder
    modules -= 25 * patterns;
    modules += 2 * (per_axis - 2) * 5;  // those on a timing pattern share 5 modules with it
  }
  modules -= 2 * 15 + 1;  // two copies of the format information and the dark module
  if (version >= 7) {
    modules -= 2 * 18;  // two copies of the version information
  }
  return modules / 8;
}

// The version number followed by the remainder of its division by the generator.
std::int32_t bch_18_6(std::int32_t version) {
  std::int32_t remainder = version << 12;
  for (int bit = 17; bit >= 12; --bit) {
    if (remainder & (1 << bit)) {
      remainder ^= 0x1F25 << (bit - 12);
    }
  }
  return version << 12 | remainder;
}

std::int32_t data_codewords(const QrEcBlocks& blocks) {
  std::int32_t total = 0;
  for (const QrEcBlock& group : blocks.groups()) {
    total += group.count() * group.data_codewords();
  }
  return total;
}

TEST_F(QrTablesTest, ModesHaveTheirBitsNamesAndCountLengths) {
  struct Row {
    std::int32_t bits;
    const char* name;
    std::array<std::int32_t, 6> counts;  // versions 1, 9, 10, 26, 27, 40
  };
  for (const Row& row : {Row{1, "数字", {10, 10, 12, 12, 14, 14}},
                         Row{2, "字母数字", {9, 9, 11, 11, 13, 13}},
                         Row{4, "字节", {8, 8, 16, 16, 16, 16}}}) {
    QrMode mode = code.mode_for_bits(row.bits);
    EXPECT_EQ(mode.bits(), row.bits);
    EXPECT_EQ(mode.name(), row.name);
    EXPECT_EQ(mode.to_text(), row.name);
    std::array<std::int32_t, 6> versions = {1, 9, 10, 26, 27, 40};
    for (std::size_t i = 0; i < versions.size(); ++i) {
      EXPECT_EQ(mode.count_bits(code.取版本_通过版本号(versions[i])), row.counts[i])
          << row.name << " version " << versions[i];
    }
  }
  EXPECT_EQ(tables.modes.size(), 3u);
  EXPECT_EQ(tables.modes[2].name(), "字节");
}

TEST_F(QrTablesTest, OtherModeBitsGiveAnEmptyModeWithoutReport) {
  for (std::int32_t bits : {0, 3, 8, -1, 7}) {
    std::optional<Text> report = report_of([&] {
      QrMode mode = code.mode_for_bits(bits);
      EXPECT_EQ(mode.bits(), 0);
      EXPECT_EQ(mode.name(), "");
      EXPECT_EQ(mode.count_bits(code.取版本_通过版本号(1)), 0);
    });
    EXPECT_EQ(report, std::nullopt) << bits;
  }
}

TEST_F(QrTablesTest, LevelsInOrdinalOrder) {
  struct Row {
    std::int32_t bits;
    const char* name;
  };
  const Row rows[] = {{1, "L"}, {0, "M"}, {3, "Q"}, {2, "H"}};
  for (std::int32_t ordinal = 1; ordinal <= 4; ++ordinal) {
    QrErrorLevel found = level(ordinal);
    EXPECT_EQ(found.ordinal(), ordinal);
    EXPECT_EQ(found.bits(), rows[ordinal - 1].bits);
    EXPECT_EQ(found.name(), rows[ordinal - 1].name);
  }
}

TEST_F(QrTablesTest, VersionsByNumberAndByDimension) {
  QrVersion first = code.取版本_通过版本号(1);
  EXPECT_EQ(first.number(), 1);
  EXPECT_EQ(first.dimension(), 21);
  EXPECT_TRUE(first.alignment_centres().empty());
  EXPECT_EQ(first.total_codewords(), 26);
  EXPECT_EQ(first.to_text(), "1");
  EXPECT_EQ(code.取版本_通过版本号(40).dimension(), 177);
  EXPECT_EQ(code.取版本_通过版本号(5).total_codewords(), 134);

  for (std::int32_t number = 1; number <= 40; ++number) {
    EXPECT_EQ(code.取版本_通过维长度(4 * number + 17).number(), number);
  }
}

TEST_F(QrTablesTest, LookupsHandOutCopies) {
  QrVersion version = code.取版本_通过版本号(2);
  version.set(9, {}, {}, {}, {}, {});
  EXPECT_EQ(code.取版本_通过版本号(2).number(), 2);
  QrErrorLevel found = level(1);
  found.set(7, 7, "X");
  EXPECT_EQ(level(1).name(), "L");
  QrMode mode = code.mode_for_bits(1);
  mode.set({}, 9, "X");
  EXPECT_EQ(code.mode_for_bits(1).name(), "数字");
}

TEST_F(QrTablesTest, EveryVersionHasTheStandardsCodewordCounts) {
  ASSERT_EQ(tables.versions.size(), 40u);
  for (std::int32_t number = 1; number <= 40; ++number) {
    QrVersion version = code.取版本_通过版本号(number);
    SCOPED_TRACE("version " + std::to_string(number));
    EXPECT_EQ(version.number(), number);
    EXPECT_EQ(version.dimension(), 4 * number + 17);
    EXPECT_EQ(version.total_codewords(), codewords_from_module_count(number));
    for (std::int32_t ordinal = 1; ordinal <= 4; ++ordinal) {
      SCOPED_TRACE("level " + level(ordinal).name());
      QrEcBlocks blocks = version.blocks_for_level(level(ordinal));
      EXPECT_EQ(data_codewords(blocks) + blocks.total_ec_codewords(), version.total_codewords());
      EXPECT_EQ(data_codewords(blocks), kDataCodewords[ordinal - 1][number - 1]);
      std::vector<QrEcBlock> groups = blocks.groups();
      ASSERT_GE(groups.size(), 1u);
      ASSERT_LE(groups.size(), 2u);
      // Blocks are as even as they can be: a second group carries one data codeword more.
      if (groups.size() == 2) {
        EXPECT_EQ(groups[1].data_codewords(), groups[0].data_codewords() + 1);
      }
      EXPECT_EQ(blocks.block_count(), groups.front().count() + (groups.size() == 2 ? groups[1].count() : 0));
    }
  }
}

struct BlockCase {
  std::string name;
  std::int32_t version;
  std::int32_t level;
  std::int32_t ec_per_block;
  std::vector<std::array<std::int32_t, 2>> groups;  // count × data codewords
};

class QrBlockTest : public QrTablesTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(QrBlockTest, MatchesTheStandardsRow) {
  const BlockCase& c = GetParam();
  QrEcBlocks blocks = code.取版本_通过版本号(c.version).blocks_for_level(level(c.level));
  EXPECT_EQ(blocks.ec_per_block(), c.ec_per_block);
  std::vector<std::array<std::int32_t, 2>> groups;
  for (const QrEcBlock& group : blocks.groups()) {
    groups.push_back({group.count(), group.data_codewords()});
  }
  EXPECT_EQ(groups, c.groups);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QrBlockTest,
    ::testing::Values(BlockCase{"v1_L", 1, 1, 7, {{1, 19}}}, BlockCase{"v1_M", 1, 2, 10, {{1, 16}}},
                      BlockCase{"v1_Q", 1, 3, 13, {{1, 13}}}, BlockCase{"v1_H", 1, 4, 17, {{1, 9}}},
                      BlockCase{"v5_L", 5, 1, 26, {{1, 108}}}, BlockCase{"v5_M", 5, 2, 24, {{2, 43}}},
                      BlockCase{"v5_Q", 5, 3, 18, {{2, 15}, {2, 16}}},
                      BlockCase{"v5_H", 5, 4, 22, {{2, 11}, {2, 12}}},
                      BlockCase{"v40_L", 40, 1, 30, {{19, 118}, {6, 119}}},
                      BlockCase{"v40_M", 40, 2, 28, {{18, 47}, {31, 48}}},
                      BlockCase{"v40_Q", 40, 3, 30, {{34, 24}, {34, 25}}},
                      BlockCase{"v40_H", 40, 4, 30, {{20, 15}, {61, 16}}}),
    testing_support::CaseName());

TEST_F(QrTablesTest, BlocksOfALevelWithoutOrdinalAreEmpty) {
  QrEcBlocks blocks = code.取版本_通过版本号(5).blocks_for_level(QrErrorLevel());
  EXPECT_EQ(blocks.ec_per_block(), 0);
  EXPECT_TRUE(blocks.groups().empty());
  EXPECT_EQ(blocks.total_ec_codewords(), 0);
}

TEST_F(QrTablesTest, AlignmentCentresFollowTheSpacingRule) {
  EXPECT_EQ(code.取版本_通过版本号(2).alignment_centres(), (std::vector<std::int32_t>{6, 18}));
  EXPECT_EQ(code.取版本_通过版本号(7).alignment_centres(), (std::vector<std::int32_t>{6, 22, 38}));
  EXPECT_EQ(code.取版本_通过版本号(23).alignment_centres(),
            (std::vector<std::int32_t>{6, 30, 54, 78, 102}));
  EXPECT_EQ(code.取版本_通过版本号(39).alignment_centres(),
            (std::vector<std::int32_t>{6, 26, 54, 82, 110, 138, 166}));
  EXPECT_EQ(code.取版本_通过版本号(40).alignment_centres(),
            (std::vector<std::int32_t>{6, 30, 58, 86, 114, 142, 170}));

  // From the last centre (dimension - 7) back towards the first (6), the
  // centres are one even step apart: the step that spreads them most evenly,
  // rounded up to even, except in version 32, where it is 26.
  for (std::int32_t number = 2; number <= 40; ++number) {
    QrVersion version = code.取版本_通过版本号(number);
    std::vector<std::int32_t> centres = version.alignment_centres();
    std::int32_t count = number / 7 + 2;
    ASSERT_EQ(static_cast<std::int32_t>(centres.size()), count) << "version " << number;
    std::int32_t span = version.dimension() - 13;  // from 6 to dimension - 7
    std::int32_t step = number == 32 ? 26 : (span + 2 * (count - 1) - 1) / (2 * (count - 1)) * 2;
    std::vector<std::int32_t> expected(static_cast<std::size_t>(count));
    expected[0] = 6;
    for (std::int32_t i = 1; i < count; ++i) {
      expected[static_cast<std::size_t>(i)] = version.dimension() - 7 - (count - 1 - i) * step;
    }
    EXPECT_EQ(centres, expected) << "version " << number;
    EXPECT_EQ(centres.back(), version.dimension() - 7);
  }
}

TEST_F(QrTablesTest, EveryVersionCarriesTheVersionInformationWords) {
  std::vector<std::int32_t> expected;
  for (std::int32_t number = 7; number <= 40; ++number) {
    expected.push_back(bch_18_6(number));
  }
  ASSERT_EQ(expected.front(), 31892);
  ASSERT_EQ(expected.back(), 167017);
  for (std::int32_t number = 1; number <= 40; ++number) {
    EXPECT_EQ(code.取版本_通过版本号(number).version_words(), expected) << "version " << number;
  }
}

struct ReportCase {
  std::string name;
  std::function<void(const 二维码类&)> lookup;
  Text report;
};

class QrLookupReportTest : public QrTablesTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(QrLookupReportTest, EndsWithTheReport) {
  const ReportCase& c = GetParam();
  EXPECT_EQ(report_of([&] { c.lookup(code); }), c.report);
}

Text version_report(const char* number) {
  return Text("异常来源：[二维码类]\r\n方法名称：取版本_通过版本号()\r\n异常信息：版本号不在0到40之间。当前版本号：") + number;
}

Text dimension_report(const char* dimension) {
  return Text("异常来源：[二维码类]\r\n方法名称：取版本_通过维长度()\r\n异常信息：维长度不为4的位数加1。当前维数：") +
         dimension;
}

Text level_report(const char* index) {
  return Text("异常来源：[二维码类]\r\n方法名称：取容错级别_按索引()\r\n异常信息：索引异常。当前索引：") + index;
}

INSTANTIATE_TEST_SUITE_P(
    Table, QrLookupReportTest,
    ::testing::Values(
        ReportCase{"version_0", [](const 二维码类& c) { c.取版本_通过版本号(0); }, version_report("0")},
        ReportCase{"version_41", [](const 二维码类& c) { c.取版本_通过版本号(41); }, version_report("41")},
        ReportCase{"version_negative", [](const 二维码类& c) { c.取版本_通过版本号(-3); }, version_report("-3")},
        ReportCase{"dimension_22", [](const 二维码类& c) { c.取版本_通过维长度(22); }, dimension_report("22")},
        ReportCase{"dimension_negative", [](const 二维码类& c) { c.取版本_通过维长度(-3); },
                   dimension_report("-3")},
        ReportCase{"dimension_of_version_0", [](const 二维码类& c) { c.取版本_通过维长度(17); },
                   version_report("0")},
        ReportCase{"dimension_of_version_41", [](const 二维码类& c) { c.取版本_通过维长度(181); },
                   version_report("41")},
        ReportCase{"level_0", [](const 二维码类& c) { c.取容错级别_按索引(0); }, level_report("0")},
        ReportCase{"level_5", [](const 二维码类& c) { c.取容错级别_按索引(5); }, level_report("5")}),
    testing_support::CaseName());

TEST(QrTablesBeforeInit, VersionLookupIsReportedWhileTheTableIsEmpty) {
  QrTables tables;
  二维码类 code(tables);
  EXPECT_EQ(report_of([&] { code.取版本_通过版本号(1); }), version_report("1"));
  EXPECT_EQ(report_of([&] { code.取容错级别_按索引(4); }), std::nullopt);
}

}  // namespace
}  // namespace toolbox
