#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "qt_translations.h"
#include "station.h"
#include "station_options.h"
#include "station_version.h"

namespace {
QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("vtstation"));
    QApplication::setOrganizationName(QStringLiteral("vt5800"));
    QApplication::setApplicationVersion(QString::fromLatin1(vt::kStationVersion));
    // Answered before the window system is touched, so that --help works with no display.
    const vt::CommandLineVerdict verdict = vt::JudgeCommandLine(Arguments(argc, argv));
    if (!verdict.options) {
        std::fputs(qPrintable(verdict.text), verdict.exitCode == 0 ? stdout : stderr);
        return verdict.exitCode;
    }
    QApplication app(argc, argv);
    vt::InstallQtTranslations(&app);
    vt::Station station(*verdict.options);
    if (!station.start()) {
        if (!station.startRefusal().isEmpty()) {
            std::fprintf(stderr, "vtstation: %s\n", qPrintable(station.startRefusal()));
            QMessageBox::critical(nullptr, QStringLiteral("无法启动"), station.startRefusal());
        }
        return 1;
    }
    return QApplication::exec();
}
