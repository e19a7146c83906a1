#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "records_cli.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The station's names, so the default records file is the station's.
    QCoreApplication::setApplicationName(QStringLiteral("vtstation"));
    QCoreApplication::setOrganizationName(QStringLiteral("vt5800"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vt::RunRecordsCli(QCoreApplication::arguments(), out, err);
}
