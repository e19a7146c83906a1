#include "image_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>

#include "controller_map.h"
#include "image_comparison.h"

namespace vt {
namespace {

// An image whose every register holds a value of its own (within the signed 16-bit range), on
// a linear main input with two decimals.
ImageFile Sample() {
    ImageFile file;
    for (std::size_t i = 0; i < file.image.size(); ++i)
        file.image.setRaw(i, static_cast<std::int32_t>(i * 37 % 65536) - 32768);
    file.image.setRaw(*ImageIndexOf(Scaling::TempUnit.number), 0);
    file.image.setRaw(*ImageIndexOf(Scaling::Input1Type.number), 20);
    file.image.setRaw(*ImageIndexOf(Scaling::Input1Decimals.number), 2);
    file.image.setRaw(*ImageIndexOf(Scaling::Input2Type.number), 3);
    file.image.setRaw(*ImageIndexOf(Scaling::Input2Decimals.number), 0);
    file.origin.saved = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9));
    file.origin.stationVersion = QStringLiteral("0.1");
    file.origin.port = 3;
    file.origin.device = QStringLiteral("/dev/ttyUSB2");
    file.origin.baudCode = 2;
    file.origin.parityCode = 1;
    file.origin.slave = 7;
    return file;
}

QString Text(const QByteArray& json) { return QString::fromUtf8(json); }

TEST(ImageMapTest, ReadsCoverEveryRegisterOfTheMapOnceInBlocksOfAtMost64) {
    const std::vector<ImageRegister>& map = ImageRegisters();
    EXPECT_EQ(map.size(), 112u + 16 + 16 + 120 + 81 + 1 + 16 + 192);
    std::multiset<std::int32_t> read;
    for (const ReadBlock& block : ImageReadBlocks()) {
        EXPECT_LE(block.count, 64);
        for (std::int32_t reg = block.first; reg < block.first + block.count; ++reg)
            read.insert(reg);
    }
    read.erase(read.find(Run::CurveNumber.number));  // read a second time to check it held
    std::multiset<std::int32_t> mapped;
    for (const ImageRegister& reg : map) mapped.insert(reg.reg());
    EXPECT_EQ(read, mapped);
}

// A register of the image: the caption and the retry rule of the window that writes it.
struct MapRow {
    std::int32_t reg;
    const char* caption;
    RetryRule retry;
};

class ImageMapRowTest : public ::testing::TestWithParam<MapRow> {};

TEST_P(ImageMapRowTest, CaptionAndRetryAreTheWindows) {
    const ImageRegister& reg = ImageRegisters()[*ImageIndexOf(GetParam().reg)];
    EXPECT_EQ(reg.caption, QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(reg.parameter.retry, GetParam().retry);
}

constexpr RetryRule kNoAnswer = RetryRule::OnNoAnswer;
constexpr RetryRule kAnyFailure = RetryRule::OnAnyFailure;
INSTANTIATE_TEST_SUITE_P(
    Registers, ImageMapRowTest,
    ::testing::Values(
        MapRow{4103, "数字滤波时间", kNoAnswer}, MapRow{4108, "", kNoAnswer},
        MapRow{4355, "输出1微分时间", kAnyFailure}, MapRow{4356, "输出1控制回差", kNoAnswer},
        MapRow{259, "报警1动作延迟时间", kAnyFailure}, MapRow{272, "", kNoAnswer},
        MapRow{5123, "分组 1 加热微分时间 ", kAnyFailure}, MapRow{4609, "当前功能", kNoAnswer},
        MapRow{4689, "分组 20 PID组", kAnyFailure}, MapRow{7, "当前曲线", kNoAnswer},
        MapRow{8204, "第三行显示", kNoAnswer}, MapRow{8208, "", kNoAnswer},
        MapRow{8398, "第24段 NAlm", kAnyFailure}, MapRow{8400, "第24段", kAnyFailure}));

// The edges of the communication settings (4157..4160) and the network block (4191..4203),
// which a restore leaves unticked in advance because they can cut the link.
struct TickEdge {
    std::int32_t reg;
    bool ticked;
};

class ImageTickEdgeTest : public ::testing::TestWithParam<TickEdge> {};

TEST_P(ImageTickEdgeTest, OnlyWhatCanCutTheLinkIsLeftUnticked) {
    EXPECT_EQ(ImageComparison::TickedInAdvance(GetParam().reg), GetParam().ticked);
}

INSTANTIATE_TEST_SUITE_P(Edges, ImageTickEdgeTest,
                         ::testing::Values(TickEdge{4156, true}, TickEdge{4157, false},
                                           TickEdge{4160, false}, TickEdge{4161, true},
                                           TickEdge{4190, true}, TickEdge{4191, false},
                                           TickEdge{4203, false}, TickEdge{4204, true}));

TEST(ImageFileTest, SavedImageReadsBackWithEveryRegisterAndItsOrigin) {
    const ImageFile sample = Sample();
    const ImageLoad load = ParseImage(ImageJson(sample));
    ASSERT_TRUE(load.file) << load.error.toStdString();
    for (std::size_t i = 0; i < sample.image.size(); ++i)
        ASSERT_EQ(load.file->image.raw(i), sample.image.raw(i)) << i;
    EXPECT_EQ(load.file->origin.saved, sample.origin.saved);
    EXPECT_EQ(load.file->origin.device, sample.origin.device);
    EXPECT_EQ(load.file->origin.slave, 7);
}

TEST(ImageFileTest, OneLinePerRegisterWithCaptionAndTheValueAsShown) {
    ImageFile sample = Sample();
    sample.image.setRaw(*ImageIndexOf(Group::Temperature(1)), 12345);
    sample.image.setRaw(*ImageIndexOf(4102), 1);
    const QString json = Text(ImageJson(sample));
    EXPECT_TRUE(json.contains(QStringLiteral(
        R"({"area": "groupLimits", "register": 4610, "caption": "分组 1 温度", "raw": 12345, "shown": "123"})")));
    EXPECT_TRUE(json.contains(QStringLiteral(
        R"({"area": "configuration", "register": 4102, "caption": "单位转换", "raw": 1, "shown": "华氏度"})")));
    EXPECT_TRUE(json.contains(QStringLiteral(R"("scaling": {"Input1Decimals":2,)")));
}

// A change to a valid image file and why the file must then be refused.
struct Damage {
    const char* name;
    std::function<QString(QString)> apply;
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

QString ReplaceFirst(QString text, const QString& pattern, const QString& with) {
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    return match.hasMatch() ? text.replace(match.capturedStart(), match.capturedLength(), with)
                            : QString();
}

class ImageFileRefusalTest : public ::testing::TestWithParam<Damage> {};

TEST_P(ImageFileRefusalTest, DamagedOrForeignFileIsRefusedWhole) {
    const QString damaged = GetParam().apply(Text(ImageJson(Sample())));
    ASSERT_FALSE(damaged.isEmpty()) << "the damage did not apply";
    const ImageLoad load = ParseImage(damaged.toUtf8());
    EXPECT_FALSE(load.file);
    EXPECT_FALSE(load.error.isEmpty());
}

const Damage kDamages[] = {
    {"Truncated", [](QString t) { return t.left(t.size() / 2); }},
    {"NotJson", [](QString) { return QStringLiteral("K 1300\nS 1700\n"); }},
    {"ArrayAtTop", [](QString) { return QStringLiteral("[1, 2, 3]"); }},
    {"OtherFormat", [](QString t) { return t.replace("VT5800 controller image", "VT5800 trend"); }},
    {"NewerVersion",
     [](QString t) { return t.replace(R"("formatVersion": 1)", R"("formatVersion": 2)"); }},
    {"RegisterMissing",
     [](QString t) {
         return ReplaceFirst(t, R"(\n    \{"area": "pid", "register": 4360[^\n]*)", "");
     }},
    {"RegisterTwice",
     [](QString t) { return ReplaceFirst(t, R"("register": 4360)", R"("register": 4361)"); }},
    {"RegisterOutsideTheMap",
     [](QString t) { return ReplaceFirst(t, R"("register": 4360)", R"("register": 4369)"); }},
    {"RegisterInAnotherArea",
     [](QString t) { return ReplaceFirst(t, R"("area": "pid")", R"("area": "alarms")"); }},
    {"ValueBeyond16Bits",
     [](QString t) { return ReplaceFirst(t, R"("raw": -?\d+)", R"("raw": 40000)"); }},
    {"FractionalValue",
     [](QString t) { return ReplaceFirst(t, R"("raw": -?\d+)", R"("raw": 2.5)"); }},
    {"TextValue", [](QString t) { return ReplaceFirst(t, R"("raw": -?\d+)", R"("raw": "7")"); }},
    {"ScalingDisagrees",
     [](QString t) { return t.replace(R"("Input1Decimals":2)", R"("Input1Decimals":1)"); }},
    {"NoSaveDate",
     [](QString t) { return ReplaceFirst(t, R"("saved": "[^"]*")", R"("saved": 0)"); }},
};

INSTANTIATE_TEST_SUITE_P(Files, ImageFileRefusalTest, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImageFileTest, WhatIsNoImageFileIsNotRead) {
    QTemporaryDir dir;
    EXPECT_FALSE(LoadImageFile(dir.path()).file);
    EXPECT_FALSE(LoadImageFile(QStringLiteral("/dev/zero")).file);
    QFile big(dir.filePath(QStringLiteral("big.json")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(1024 * 1024, ' '));
    big.close();
    EXPECT_FALSE(LoadImageFile(big.fileName()).file);
}

TEST(ImageFileTest, FailedSaveLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.json"));
    ASSERT_TRUE(SaveImageFile(path, Sample()).isEmpty());
    ASSERT_TRUE(LoadImageFile(path).file);
    EXPECT_FALSE(
        SaveImageFile(dir.filePath(QStringLiteral("missing/image.json")), Sample()).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing/image.json"))));
}

}  // namespace
}  // namespace vt
