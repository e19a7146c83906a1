#pragma once

class QObject;

namespace vt {

// Loads Qt's own translations (qtbase: the file chooser, message boxes, standard buttons) for
// the station's language, Chinese, into the running application; `owner` keeps the translator.
// False when Debian's qt6-translations-l10n is not installed: Qt's dialogs then stay English.
bool InstallQtTranslations(QObject* owner);

}  // namespace vt
