#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "station_options.h"
#include "station_version.h"

namespace {

// One command line of either executable, with the exit code and what it must print where.
struct CommandLineCase {
    const char* program;
    QStringList arguments;
    int exitCode;
    const char* onStdout;  // expected in standard output ("" for nothing)
    const char* onStderr;  // expected in standard error ("" for nothing)
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << c.program << ' ' << c.arguments.join(QLatin1Char(' ')).toStdString();
}

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

// Runs with a window system that cannot be reached: an answer must not need one.
TEST_P(CommandLine, AnswersWithItsExitCodeAndMessage) {
    const CommandLineCase& c = GetParam();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(c.program), c.arguments);
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), c.exitCode) << qPrintable(err);
    EXPECT_TRUE(out.contains(QString::fromUtf8(c.onStdout))) << qPrintable(out);
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.onStderr))) << qPrintable(err);
    // A refusal carries the usage; an answer says nothing on standard error.
    EXPECT_EQ(err.contains(QStringLiteral("Usage:")), c.exitCode == 2) << qPrintable(err);
    EXPECT_EQ(err.isEmpty(), c.exitCode == 0) << qPrintable(err);
}

const std::string kStationVersionLine = std::string("vtstation ") + vt::kStationVersion + "\n";
const std::string kSimVersionLine = std::string("vt5800-sim ") + vt::kStationVersion + "\n";

INSTANTIATE_TEST_SUITE_P(
    BothExecutables, CommandLine,
    testing::Values(
        CommandLineCase{VTSTATION_PATH, {"--help"}, 0, "--port N=DEVICE", ""},
        CommandLineCase{VTSTATION_PATH, {"-h"}, 0, "Usage: vtstation", ""},
        CommandLineCase{VTSTATION_PATH, {"--version"}, 0, kStationVersionLine.c_str(), ""},
        CommandLineCase{VTSTATION_PATH, {"--simulate", "--version"}, 0, "vtstation ", ""},
        CommandLineCase{VTSTATION_PATH, {"--bogus"}, 2, "", "Unknown option 'bogus'"},
        CommandLineCase{VTSTATION_PATH,
                        {"--port", "25=/dev/ttyUSB0"},
                        2,
                        "",
                        "bad --port value: 25=/dev/ttyUSB0"},
        CommandLineCase{VTSTATION_PATH, {"--port", "x"}, 2, "", "bad --port value: x"},
        CommandLineCase{VTSTATION_PATH, {"--port"}, 2, "", "Missing value after '--port'"},
        CommandLineCase{VTSTATION_PATH, {"--port", "0=/dev/ttyS0"}, 2, "", "bad --port value"},
        CommandLineCase{VTSTATION_PATH, {"stray"}, 2, "", "unexpected argument 'stray'"},
        CommandLineCase{VTSTATION_PATH, {"-platform", "offscreen"}, 2, "", "Unknown option"},
        CommandLineCase{VT5800_SIM_PATH, {"--help"}, 0, "Usage: vt5800-sim", ""},
        CommandLineCase{VT5800_SIM_PATH, {"--version"}, 0, kSimVersionLine.c_str(), ""},
        CommandLineCase{VT5800_SIM_PATH, {"--bogus"}, 2, "", "unknown argument --bogus"},
        CommandLineCase{VT5800_SIM_PATH, {"--baud", "x"}, 2, "", "bad or missing value for --baud"},
        CommandLineCase{VT5800_SIM_PATH, {"--slave", "0"}, 2, "", "--slave must be 1..247"}));

}  // namespace
