#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "station.h"
#include "station_options.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vtstation"));
    QApplication::setOrganizationName(QStringLiteral("vt5800"));
    QString error;
    const auto options = vt::ParseStationOptions(QApplication::arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return error.contains(QStringLiteral("--help")) ? 0 : 2;
    }
    vt::Station station(*options);
    if (!station.start()) return 1;
    return QApplication::exec();
}
