#include "plant_payloads.h"

#include <gtest/gtest.h>

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include "back_off.h"
#include "plant_options.h"

namespace vt {
namespace {

struct UnitCase {
    std::int32_t tempUnit;
    std::int32_t input1Type;
    std::int32_t input2Type;
    const char* unit1;
    const char* unit2;
};

class InputUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(InputUnitTest, TemperatureInputsCarryTheUnitAndLinearInputsNone) {
    const UnitCase& c = GetParam();
    InputScaling scaling;
    scaling.TempUnit = c.tempUnit;
    scaling.Input1Type = c.input1Type;
    scaling.Input2Type = c.input2Type;
    EXPECT_EQ(InputUnit(scaling, 1), QString::fromUtf8(c.unit1));
    EXPECT_EQ(InputUnit(scaling, 2), QString::fromUtf8(c.unit2));
}

INSTANTIATE_TEST_SUITE_P(Units, InputUnitTest,
                         ::testing::Values(UnitCase{0, 0, 0, "°C", "°C"},
                                           UnitCase{1, 13, 13, "°F", "°F"},
                                           UnitCase{2, 5, 14, "K", ""},
                                           UnitCase{0, 14, 3, "", "°C"},
                                           UnitCase{7, 0, 0, "", ""}));

LiveSample MeasuredSample() {
    LiveSample sample;
    sample.time =
        QDateTime::fromString(QStringLiteral("2026-12-08T10:00:01.250+08:00"), Qt::ISODateWithMs);
    sample.link = {QStringLiteral("up"), {}};
    sample.valid = true;
    sample.values = {100.3f, 15.0f, 100.0f, 100.3f, 99.9f, 100.0f, 50.0f, 2.0f};
    sample.scaling.TempUnit = 0;
    sample.scaling.Input2Type = 14;
    return sample;
}

TEST(LiveBodyTest, EightValuesInLoggedOrderWithNamesUnitsAndNoFloatNoise) {
    const QJsonArray values = LiveBody(MeasuredSample())[QStringLiteral("values")].toArray();
    ASSERT_EQ(values.size(), 8);
    const char* names[] = {"pv", "op", "sv", "pv1", "pv2", "sv1", "sv2", "alarm1"};
    const char* units[] = {"°C", "%", "°C", "°C", "", "°C", "°C", ""};
    const double expected[] = {100.3, 15, 100, 100.3, 99.9, 100, 50, 2};
    for (int i = 0; i < 8; ++i) {
        const QJsonObject value = values[i].toObject();
        EXPECT_EQ(value["name"].toString(), QString::fromLatin1(names[i])) << i;
        EXPECT_EQ(value["unit"].toString(), QString::fromUtf8(units[i])) << i;
        EXPECT_EQ(value["value"].toDouble(), expected[i]) << i;
    }
}

TEST(LiveBodyTest, ALinkThatIsNotUpPublishesNoValueAndSaysWhy) {
    LiveSample sample = MeasuredSample();
    sample.valid = false;
    sample.link = {QStringLiteral("down"), QStringLiteral("no-answer")};
    const QJsonObject body = LiveBody(sample);
    EXPECT_FALSE(body.contains(QStringLiteral("values")));
    EXPECT_EQ(body["link"].toObject()["state"].toString(), QStringLiteral("down"));
    EXPECT_EQ(body["link"].toObject()["reason"].toString(), QStringLiteral("no-answer"));
    EXPECT_FALSE(body.contains(QStringLiteral("late")));
    EXPECT_TRUE(HistoryBody(MeasuredSample())["late"].toBool());
}

TEST(StampTest, TimeKeepsTheStationsOffsetAndTheSequenceNumber) {
    const QJsonObject body = Stamped({}, MeasuredSample().time, 42);
    EXPECT_EQ(body["time"].toString(), QStringLiteral("2026-12-08T10:00:01.250+08:00"));
    EXPECT_EQ(body["seq"].toInteger(), 42);
}

struct AddressCase {
    const char* address;
    bool valid;
    const char* host;
    int port;
    bool tls;
};

class BrokerAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(BrokerAddressTest, SchemeGivesTheDefaultPortAndTls) {
    const AddressCase& c = GetParam();
    PlantOptions options;
    ASSERT_EQ(ParseBrokerAddress(QString::fromLatin1(c.address), options), c.valid);
    if (!c.valid) return;
    EXPECT_EQ(options.host, QString::fromLatin1(c.host));
    EXPECT_EQ(options.port, c.port);
    EXPECT_EQ(options.tls, c.tls);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, BrokerAddressTest,
    ::testing::Values(AddressCase{"mqtt://broker", true, "broker", 1883, false},
                      AddressCase{"mqtts://broker", true, "broker", 8883, true},
                      AddressCase{"mqtt://10.0.0.5:1884", true, "10.0.0.5", 1884, false},
                      AddressCase{"MQTTS://h:9000/", true, "h", 9000, true},
                      AddressCase{"tcp://broker", false, "", 0, false},
                      AddressCase{"mqtt://", false, "", 0, false},
                      AddressCase{"mqtt://user:pw@broker", false, "", 0, false},
                      AddressCase{"mqtt://broker/topic", false, "", 0, false},
                      AddressCase{"broker:1883", false, "", 0, false}));

struct PasswordFileCase {
    QFile::Permissions permissions;
    bool accepted;
};

class PasswordFileTest : public ::testing::TestWithParam<PasswordFileCase> {};

TEST_P(PasswordFileTest, AFileOthersCanReadIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("password"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("s3cret\nignored\n");
    file.close();
    ASSERT_TRUE(QFile::setPermissions(path, GetParam().permissions));
    QString error;
    const auto password = ReadPasswordFile(path, &error);
    EXPECT_EQ(password.has_value(), GetParam().accepted) << error.toStdString();
    if (password) {
        EXPECT_EQ(*password, QStringLiteral("s3cret"));
    } else {
        EXPECT_TRUE(error.contains(QStringLiteral("chmod 600")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Permissions, PasswordFileTest,
    ::testing::Values(PasswordFileCase{QFile::ReadOwner | QFile::WriteOwner, true},
                      PasswordFileCase{QFile::ReadOwner, true},
                      PasswordFileCase{QFile::ReadOwner | QFile::ReadGroup, false},
                      PasswordFileCase{QFile::ReadOwner | QFile::ReadOther, false},
                      PasswordFileCase{QFile::ReadOwner | QFile::WriteGroup, false}));

struct CommandLineCase {
    QStringList arguments;
    bool accepted;
    const char* error;  // part of the message when refused
};

class PlantCommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(PlantCommandLineTest, OptionsThatCannotWorkAreRefusedWithAMessage) {
    QCommandLineParser parser;
    parser.addOptions(PlantCommandLineOptions());
    ASSERT_TRUE(parser.parse(QStringList{QStringLiteral("vtstation")} + GetParam().arguments));
    QString error;
    const auto options = PlantOptionsFrom(parser, &error);
    ASSERT_EQ(options.has_value(), GetParam().accepted) << error.toStdString();
    if (!options) {
        EXPECT_TRUE(error.contains(QString::fromLatin1(GetParam().error)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, PlantCommandLineTest,
    ::testing::Values(
        CommandLineCase{{}, true, ""},
        CommandLineCase{{"--mqtt", "mqtt://h", "--station-name", "f1"}, true, ""},
        CommandLineCase{{"--mqtt-user", "u"}, false, "need --mqtt"},
        CommandLineCase{{"--mqtt", "http://h"}, false, "bad --mqtt"},
        CommandLineCase{
            {"--mqtt", "mqtt://h", "--mqtt-ca", "/etc/hostname"}, false, "needs an mqtts://"},
        CommandLineCase{{"--mqtt", "mqtts://h", "--mqtt-ca", "/no/such/ca"}, false, "cannot read"},
        CommandLineCase{
            {"--mqtt", "mqtt://h", "--station-name", "a/b"}, false, "bad --station-name"},
        CommandLineCase{{"--mqtt", "mqtt://h", "--mqtt-password-file", "/no/such"},
                        false,
                        "cannot read the password file"}));

TEST(PlantOptionsTest, StationNameMustStandAsOneTopicLevel) {
    for (const char* name : {"", "a/b", "furnace+", "#"}) EXPECT_FALSE(IsTopicLevel(name)) << name;
    EXPECT_TRUE(IsTopicLevel(QStringLiteral("炉-3")));
}

TEST(BackOffTest, OneSecondDoublingToSixtyAndBackToOneAfterAConnection) {
    BackOff backOff;
    std::vector<int> waits;
    for (int i = 0; i < 8; ++i) waits.push_back(backOff.next());
    EXPECT_EQ(waits, (std::vector<int>{1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}));
    backOff.reset();
    EXPECT_EQ(backOff.next(), 1000);
}

}  // namespace
}  // namespace vt
