#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTemporaryDir>

#include "qt_translations.h"
#include "station.h"

using namespace vt;

namespace {

TEST(SingleStation, ASecondStationOnTheSameDatabaseIsRefusedAtOnce) {
    QTemporaryDir dir;
    StationOptions options;
    options.databasePath = dir.filePath(QStringLiteral("station.db"));
    Station first(options);
    ASSERT_TRUE(first.start());
    Station second(options);
    EXPECT_FALSE(second.start());
    EXPECT_TRUE(second.startRefusal().contains(options.databasePath));
    EXPECT_TRUE(
        second.startRefusal().contains(QString::number(QCoreApplication::applicationPid())));
    EXPECT_EQ(second.splash(), nullptr);  // nothing of the second station was shown

    options.databasePath = dir.filePath(QStringLiteral("other.db"));
    Station onAnother(options);
    EXPECT_TRUE(onAnother.start());
}

TEST(QtTranslations, AConfirmationBoxAnswersInChinese) {
    QObject owner;
    ASSERT_TRUE(InstallQtTranslations(&owner));
    QMessageBox box(QMessageBox::Question, QStringLiteral("确认"), QStringLiteral("确认？"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Save | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("否")));
    EXPECT_TRUE(box.button(QMessageBox::Save)->text().startsWith(QStringLiteral("保存")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("取消")));
}

}  // namespace
