#include "chooser_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString DocumentsOrHome() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

TEST(ChooserFolder, OpensInDocumentsFirstThenWhereTheOperatorLastChose) {
    QStandardPaths::setTestModeEnabled(true);  // settings in a test folder, not the user's
    QSettings().clear();
    auto chosen = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(QDir::setCurrent(chosen->path()));  // the working folder is never offered
    EXPECT_EQ(vt::ChooserFolder::Current(), DocumentsOrHome());

    vt::ChooserFolder::Remember(chosen->filePath(QStringLiteral("image.json")));
    EXPECT_EQ(vt::ChooserFolder::Current(), chosen->path());
    vt::ChooserFolder::Remember(QString());  // a cancelled chooser changes nothing
    EXPECT_EQ(vt::ChooserFolder::Suggested(QStringLiteral("a.csv")),
              chosen->filePath(QStringLiteral("a.csv")));

    QDir::setCurrent(QDir::rootPath());
    chosen.reset();  // the remembered folder is gone
    EXPECT_EQ(vt::ChooserFolder::Current(), DocumentsOrHome());
    QSettings().clear();
}

}  // namespace
