#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "records_cli.h"

int main(int argc, char* argv[]) {
    // Reports are painted with the application's fonts, never on a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The station's names, so the default records file is the station's.
    QCoreApplication::setApplicationName(QStringLiteral("vtstation"));
    QCoreApplication::setOrganizationName(QStringLiteral("vt5800"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vt::RunRecordsCli(QCoreApplication::arguments(), out, err);
}
