// Probe application for the end-to-end harness: `e2e_probe_app [--output FILE]`.
// Reports every action as one line to FILE (or stdout).
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

#include "probe_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("e2e_probe_app"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Write the action report to FILE."),
                                    QStringLiteral("FILE"));
    parser.addOption(output);
    parser.process(app);

    QFile file;
    if (parser.isSet(output)) {
        file.setFileName(parser.value(output));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            qCritical("cannot write %s", qPrintable(file.fileName()));
            return 2;
        }
    } else if (!file.open(stdout, QIODevice::WriteOnly | QIODevice::Text)) {
        return 2;
    }
    QTextStream report(&file);

    vt::ProbeWindow window(report);
    window.show();
    return app.exec();
}
