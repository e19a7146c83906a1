#include "saved_link_settings.h"

#include <gtest/gtest.h>

#include <QSqlQuery>

#include "temp_station.h"

using namespace vt;

TEST(SavedLinkSettings, SettingsSavedOnOpenComeBackAtTheNextStart) {
    vt::testing::TempStation station;
    {
        DbConnection overview = station.database.connect(QStringLiteral("overview"));
        QSqlQuery(overview.database()).exec(QStringLiteral("update Charge_Data set spare_3 = 77"));
        EXPECT_EQ(SavedLinkSettings(overview.database()).restore(), SavedLink{});
        EXPECT_TRUE(SavedLinkSettings(overview.database()).save(3, 8, 2, 16));
    }
    StationDatabase again(station.database.path());
    ASSERT_TRUE(again.prepare());
    DbConnection overview = again.connect(QStringLiteral("overview"));
    EXPECT_EQ(SavedLinkSettings(overview.database()).restore(), (SavedLink{2, 8, 2, 15}));
    QSqlQuery untouched(overview.database());
    untouched.exec(QStringLiteral("select * from  Charge_Data"));
    ASSERT_TRUE(untouched.next());
    EXPECT_EQ(untouched.value(3).toInt(), 77);
}

TEST(SavedLinkSettings, MissingRecordIsNeitherRestoredNorSaved) {
    vt::testing::TempStation station;
    QSqlQuery(station.check.database()).exec(QStringLiteral("delete from Charge_Data"));
    const SavedLinkSettings settings(station.check.database());
    EXPECT_FALSE(settings.restore().has_value());
    EXPECT_FALSE(settings.save(1, 1, 0, 1));
    EXPECT_FALSE(settings.restore().has_value());
}
