#include "config_catalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "entry_parse.h"

namespace vt {
namespace {

// Registers of the block that are read but have no row.
const std::set<std::int32_t> kWithoutRow = {4108, 4118, 4127, 4128, 4131, 4132, 4136,
                                            4142, 4143, 4144, 4150, 4151, 4152, 4168,
                                            4189, 4190, 4204, 4205, 4206, 4207, 4208};

TEST(ConfigCatalogue, EveryRegisterOfTheBlockHasARowUnlessItIsOnlyRead) {
    int buttons = 0;
    for (std::int32_t reg = 4097; reg <= 4208; ++reg) {
        const ConfigEntry* entry = ConfigEntryOfRegister(reg);
        EXPECT_EQ(entry == nullptr, kWithoutRow.count(reg) == 1) << reg;
        if (entry) {
            EXPECT_EQ(entry->parameter.reg, reg);
            EXPECT_EQ(ConfigEntryOfButton(reg - kConfigBase), entry);
            ++buttons;
        }
    }
    EXPECT_EQ(buttons, 91);
    for (int index : {0, 12, 22, 31, 32, 35, 36, 40, 46, 47, 48, 54, 55, 56, 72, 93, 94, 108}) {
        EXPECT_EQ(ConfigEntryOfButton(index), nullptr) << index;
    }
    EXPECT_EQ(ConfigCatalogue().size(), 92u);  // and the DI3 row, which has no register
}

TEST(ConfigCatalogue, ListsAreInCodeOrderAndEachListControlIsUsedOnce) {
    std::set<std::string> lists;
    for (const ConfigEntry& entry : ConfigCatalogue()) {
        const OptionList options = entry.parameter.options;
        EXPECT_EQ(entry.list != nullptr, !options.empty()) << entry.parameter.caption;
        if (options.empty()) continue;
        EXPECT_TRUE(lists.insert(entry.list).second) << entry.list;
        for (std::size_t code = 0; code < options.size(); ++code) {
            EXPECT_EQ(ParseEntry(options[code].option), static_cast<double>(code))
                << entry.list << " " << options[code].option;
        }
    }
    EXPECT_EQ(lists.size(), 37u);
    for (int n = 0; n <= 36; ++n) EXPECT_EQ(lists.count("Combo" + std::to_string(n)), 1u) << n;
}

TEST(ConfigCatalogue, TheThirdDigitalInputRowOffersTwelveFunctionsAndWritesNothing) {
    const auto di3 = std::find_if(ConfigCatalogue().begin(), ConfigCatalogue().end(),
                                  [](const ConfigEntry& e) { return !e.hasRegister(); });
    ASSERT_NE(di3, ConfigCatalogue().end());
    EXPECT_STREQ(di3->list, "Combo16");
    EXPECT_EQ(di3->parameter.options.size(), 12u);
    EXPECT_EQ(di3->index(), 0);
    EXPECT_EQ(ConfigEntryOfRegister(4134)->parameter.options.size(), 19u);
}

// How the documents say each row of the configuration block is shown and entered, written down
// from the documents' parameter table tab by tab, not from the catalogue.
enum class Doc { List, Raw, Tenths, TenthsPlain, Main, Aux, Signal, MainShownRawEntered };

struct DocRow {
    std::int32_t reg;
    Doc rule;
};

constexpr DocRow kDocumentedRows[] = {
    // 1.Instrument
    {4097, Doc::List},
    {4098, Doc::List},
    {4099, Doc::List},
    {4100, Doc::List},
    {4101, Doc::List},
    {4102, Doc::List},
    {4103, Doc::Tenths},
    {4104, Doc::List},
    {4105, Doc::List},
    {4106, Doc::MainShownRawEntered},
    {4107, Doc::MainShownRawEntered},
    // 2. main input
    {4109, Doc::List},
    {4110, Doc::Main},
    {4111, Doc::Main},
    {4112, Doc::List},
    {4113, Doc::List},
    {4114, Doc::Tenths},
    {4115, Doc::Main},
    {4116, Doc::List},
    {4117, Doc::List},
    // 3. auxiliary input
    {4119, Doc::List},
    {4120, Doc::List},
    {4121, Doc::Aux},
    {4122, Doc::Aux},
    {4123, Doc::List},
    {4124, Doc::List},
    {4125, Doc::Tenths},
    {4126, Doc::Aux},
    // 4. sensor switch points
    {4129, Doc::Main},
    {4130, Doc::Main},
    // 5. digital inputs
    {4133, Doc::List},
    {4134, Doc::List},
    {4135, Doc::Raw},
    // 6. multi-point correction: electrical value, shown value
    {4169, Doc::Signal},
    {4170, Doc::Main},
    {4171, Doc::Signal},
    {4172, Doc::Main},
    {4173, Doc::Signal},
    {4174, Doc::Main},
    {4175, Doc::Signal},
    {4176, Doc::Main},
    {4177, Doc::Signal},
    {4178, Doc::Main},
    {4179, Doc::Signal},
    {4180, Doc::Main},
    {4181, Doc::Signal},
    {4182, Doc::Main},
    {4183, Doc::Signal},
    {4184, Doc::Main},
    // 7. valve
    {4185, Doc::TenthsPlain},
    {4186, Doc::TenthsPlain},
    {4187, Doc::List},
    {4188, Doc::TenthsPlain},
    // 8. communication
    {4157, Doc::List},
    {4158, Doc::List},
    {4159, Doc::Raw},
    {4160, Doc::Raw},
    // 9. output 1, 10. output 2
    {4137, Doc::List},
    {4138, Doc::List},
    {4139, Doc::List},
    {4140, Doc::Tenths},
    {4141, Doc::Tenths},
    {4145, Doc::List},
    {4146, Doc::List},
    {4147, Doc::List},
    {4148, Doc::Tenths},
    {4149, Doc::Tenths},
    // 11. retransmission
    {4153, Doc::List},
    {4154, Doc::Main},
    {4155, Doc::Main},
    {4156, Doc::List},
    // 12. alarms
    {4161, Doc::List},
    {4162, Doc::List},
    {4163, Doc::List},
    {4164, Doc::List},
    {4165, Doc::Main},
    {4166, Doc::Raw},
    {4167, Doc::List},
    // network block
    {4191, Doc::List},
    {4192, Doc::Raw},
    {4193, Doc::Raw},
    {4194, Doc::Raw},
    {4195, Doc::Raw},
    {4196, Doc::Raw},
    {4197, Doc::Raw},
    {4198, Doc::Raw},
    {4199, Doc::Raw},
    {4200, Doc::Raw},
    {4201, Doc::Raw},
    {4202, Doc::Raw},
    {4203, Doc::Raw},
};

// The catalogue's rules of a row, in the documents' terms.
std::optional<Doc> CatalogueRule(const Parameter& p) {
    using R = ScalingRule;
    if (p.enumeration()) return Doc::List;
    if (p.shown == R::MainScale && p.entered == R::Raw) return Doc::MainShownRawEntered;
    if (p.shown != p.entered) return std::nullopt;
    switch (p.shown) {
        case R::Raw:
            return Doc::Raw;
        case R::Tenths:
            return Doc::Tenths;
        case R::TenthsPlain:
            return Doc::TenthsPlain;
        case R::MainScale:
            return Doc::Main;
        case R::AuxScale:
            return Doc::Aux;
        case R::Signal:
            return Doc::Signal;
        default:
            return std::nullopt;
    }
}

TEST(ConfigCatalogue, EveryRowFollowsTheDocumentedRule) {
    EXPECT_EQ(std::size(kDocumentedRows), 91u);
    for (const DocRow& row : kDocumentedRows) {
        const ConfigEntry* entry = ConfigEntryOfButton(row.reg - kConfigBase);
        ASSERT_NE(entry, nullptr) << row.reg;
        EXPECT_EQ(entry->parameter.reg, row.reg);
        EXPECT_EQ(CatalogueRule(entry->parameter), row.rule) << row.reg;
    }
}

InputScaling Main(std::int32_t type, std::int32_t decimals = 1) {
    InputScaling s;
    s.Input1Type = type;
    s.Input1Decimals = decimals;
    return s;
}

InputScaling Aux(std::int32_t type, std::int32_t decimals) {
    InputScaling s;
    s.Input2Type = type;
    s.Input2Decimals = decimals;
    s.Input1Decimals = 1;
    return s;
}

struct ShowCase {
    std::int32_t reg;
    std::int32_t raw;
    InputScaling scaling;
    std::optional<std::string> shown;  // none: the label keeps its text
};

class ConfigShowTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ConfigShowTest, RegisterValueIsShownByItsRow) {
    const ShowCase& c = GetParam();
    EXPECT_EQ(ParameterText(ConfigEntryOfRegister(c.reg)->parameter, c.raw, c.scaling), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConfigShowTest,
    ::testing::Values(
        ShowCase{4106, 1000, Main(0), "100"},     // SVHI: through the main input
        ShowCase{4106, 1000, Main(20, 2), "10"},  // with its decimals
        ShowCase{4103, 25, Main(0), "2.5"},       // tenths
        ShowCase{4103, 0, Main(0), "0.0"}, ShowCase{4185, 30, Main(0), "3"},  // tenths, plain
        ShowCase{4121, 1500, Aux(14, 3), "1.5"},  // the auxiliary input's own
        ShowCase{4169, 1500, Main(19), "1.5"},    // electrical values: x1000 ...
        ShowCase{4169, 1500, Main(20), "15"},     // ... x100 for millivolts
        ShowCase{4169, 1500, Main(23), "15"}, ShowCase{4169, 1500, Main(24), "1.5"},
        ShowCase{4170, 1500, Main(0), "150"}, ShowCase{4109, 16, Main(0), " 0Ω5000"},
        ShowCase{4120, 13, Main(0), "PT1000   "}, ShowCase{4161, 1, Main(0), "上限报警1"},
        ShowCase{4162, 1, Main(0), "上限报警2"},
        ShowCase{4097, 2, Main(0), std::nullopt},  // codes without a text
        ShowCase{4139, 3, Main(0), std::nullopt}, ShowCase{4191, -1, Main(0), std::nullopt}));

struct WriteCase {
    std::int32_t reg;
    const char* entry;
    InputScaling scaling;
    std::int32_t written;
};

class ConfigWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ConfigWriteTest, EntryIsConvertedByItsRow) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(
        ParameterValue(ConfigEntryOfButton(c.reg - kConfigBase)->parameter, c.entry, c.scaling),
        c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConfigWriteTest,
    // DOWN on the window's rows covers SVHI, the display limit, 4114 and a list row.
    ::testing::Values(WriteCase{4110, "1.5", Main(20, 2), 150},
                      WriteCase{4169, "1.5", Main(19), 1500},  // electrical values: x1000 ...
                      WriteCase{4169, "1.5", Main(20), 150},   // ... x100 for millivolts
                      WriteCase{4169, "1.5", Main(23), 150}, WriteCase{4169, "1.5", Main(24), 1500},
                      WriteCase{4126, "1.5", Aux(14, 3), 1500},
                      WriteCase{4109, "8 WRe325(0-2300)", Main(0), 8},
                      WriteCase{4159, "abc", Main(0), 0}));

TEST(ConfigCatalogue, WritesThatChangeTheScalingAreKnown) {
    for (std::int32_t reg : {4102, 4109, 4112, 4119, 4120, 4123}) {
        EXPECT_TRUE(ChangesInputScaling(reg)) << reg;
    }
    for (std::int32_t reg : {4103, 4110, 4113, 4121, 4124}) EXPECT_FALSE(ChangesInputScaling(reg));
}

}  // namespace
}  // namespace vt
