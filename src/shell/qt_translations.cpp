#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace vt {

namespace {
Q_LOGGING_CATEGORY(lcTranslations, "station.translations")
}

bool InstallQtTranslations(QObject* owner) {
    auto* translator = new QTranslator(owner);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        qCWarning(lcTranslations) << "no Chinese qtbase translation in" << folder;
        delete translator;
        return false;
    }
    return true;
}

}  // namespace vt
