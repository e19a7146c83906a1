// The load sensor and tolerances of a batch: entries taken or refused, each change in the
// batch's trail and chain, the end judged by the values in force, and the page's fields.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "batch_chain.h"
#include "batch_page.h"
#include "records_fixture.h"

using namespace vt;

namespace {

struct EntryCase {
    const char* name;
    LoadField field;
    const char* text;
    int decimals;
    bool taken;
    double value;  // in force afterwards (the default when refused)
};

class LoadEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(LoadEntryTest, EntryIsTakenRoundedOrRefusedWithAReason) {
    const EntryCase& c = GetParam();
    vt::testing::RecordsFixture f;
    ASSERT_TRUE(f.recorder().startManual(f.recorder().proposal(), nullptr));
    QString why;
    LoadRule rule;
    const auto parsed = ParseLoadEntry(c.field, QString::fromUtf8(c.text), c.decimals, &why);
    if (parsed) (c.field == LoadField::Band ? rule.band : rule.timeTolerance) = *parsed;
    EXPECT_EQ(parsed && f.recorder().setLoadRule(rule, &why), c.taken);
    EXPECT_EQ(why.isEmpty(), c.taken) << qPrintable(why);
    const BatchSummary stored = *f.recorder().store()->batch(f.recorder().openBatch()->id);
    EXPECT_DOUBLE_EQ(c.field == LoadField::Band ? stored.band : stored.timeTolerance, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LoadEntryTest,
    ::testing::Values(
        EntryCase{"band", LoadField::Band, "3", 1, true, 3.0},
        EntryCase{"bandFullWidth", LoadField::Band, "２．５", 1, true, 2.5},
        EntryCase{"bandSignHalfEven", LoadField::Band, "±4.25", 1, true, 4.2},
        EntryCase{"bandWhole", LoadField::Band, "7.6", 0, true, 8.0},
        EntryCase{"bandLimit", LoadField::Band, "1000", 1, true, 1000.0},
        EntryCase{"bandAbsurd", LoadField::Band, "1000.1", 1, false, 5.0},
        EntryCase{"bandRoundsToZero", LoadField::Band, "0.04", 1, false, 5.0},
        EntryCase{"bandNegative", LoadField::Band, "-2", 1, false, 5.0},
        EntryCase{"bandEmpty", LoadField::Band, " ", 1, false, 5.0},
        EntryCase{"bandText", LoadField::Band, "5度", 1, false, 5.0},
        EntryCase{"bandNotANumber", LoadField::Band, "nan", 1, false, 5.0},
        EntryCase{"bandInfinite", LoadField::Band, "inf", 1, false, 5.0},
        EntryCase{"toleranceZero", LoadField::TimeTolerance, "0", 1, true, 0.0},
        EntryCase{"tolerancePercent", LoadField::TimeTolerance, "12.5%", 1, true, 12.5},
        EntryCase{"toleranceWhole", LoadField::TimeTolerance, "100", 1, false, 10.0},
        EntryCase{"toleranceNegative", LoadField::TimeTolerance, "-1", 1, false, 10.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadRuleTest, ChangesAreTrailedAndTheEndIsJudgedByTheValuesInForce) {
    vt::testing::RecordsFixture f;
    QString error;
    EXPECT_FALSE(f.recorder().setLoadRule({}, &error));  // no batch open
    ASSERT_TRUE(f.recorder().startManual(f.recorder().proposal(), nullptr));
    f.feed(5, 100.0f, 0.0f, 40.0f);
    ASSERT_TRUE(f.recorder().setLoadRule({LoadSensor::Pv2, 3.0, 10.0}, &error));
    std::optional<BatchEvaluation> evaluation;
    QObject::connect(&f.recorder(), &BatchRecorder::batchClosed,
                     [&](const BatchSummary&, const BatchEvaluation& e) { evaluation = e; });
    f.feed(5, 100.0f, 0.0f, 60.0f);
    const std::int64_t id = f.recorder().openBatch()->id;
    ASSERT_TRUE(f.recorder().endBatch());
    ASSERT_TRUE(f.waitForSeal());
    ASSERT_TRUE(evaluation);

    // The load is PV2 for the whole batch: 40 then 60.
    EXPECT_DOUBLE_EQ(evaluation->overall.minimum, 40.0);
    EXPECT_DOUBLE_EQ(evaluation->overall.mean, 50.0);
    const BatchStore& store = *f.recorder().store();
    const BatchSummary batch = *store.batch(id);
    EXPECT_EQ(LoadRule::of(batch), (LoadRule{LoadSensor::Pv2, 3.0, 10.0}));
    EXPECT_TRUE(VerifyBatch(store, batch).holds);

    // One trail entry per changed field, old and new as the page shows them.
    QStringList changes;
    for (const StoredEntry& s : store.entries(batch.id)) {
        if (s.entry.kind != EntryKind::Header) continue;
        const QJsonObject o = QJsonDocument::fromJson(s.entry.payload).object();
        changes << o.value(QStringLiteral("caption")).toString() + QLatin1Char(':') +
                       o.value(QStringLiteral("old")).toString() + QLatin1Char('>') +
                       o.value(QStringLiteral("new")).toString();
    }
    EXPECT_EQ(changes,
              QStringList({QStringLiteral("负载传感器:PV1>PV2"), QStringLiteral("温度带:5>3")}));

    // The next batch starts with the last values.
    ASSERT_TRUE(f.recorder().startManual(f.recorder().proposal(), nullptr));
    EXPECT_EQ(LoadRule::of(*f.recorder().openBatch()), (LoadRule{LoadSensor::Pv2, 3.0, 10.0}));
}

template <typename T>
T* Find(QWidget& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

TEST(LoadRulePageTest, RefusedEntryIsPutBackAndAClosedBatchIsReadOnly) {
    vt::testing::RecordsFixture f;
    ASSERT_TRUE(f.recorder().startManual(f.recorder().proposal(), nullptr));
    const std::int64_t id = f.recorder().openBatch()->id;
    BatchPage page(f.recorder());
    page.show();
    page.showBatch(id);
    auto* band = Find<QLineEdit>(page, "BatchBand");
    EXPECT_EQ(band->text(), QStringLiteral("5.0"));  // Celsius: one decimal place

    band->setText(QStringLiteral("-3"));
    emit band->editingFinished();
    EXPECT_EQ(band->text(), QStringLiteral("5.0"));
    EXPECT_TRUE(Find<QLabel>(page, "BatchMessage")->text().contains(QStringLiteral("温度带")));

    band->setText(QStringLiteral("2.25"));
    emit band->editingFinished();
    EXPECT_DOUBLE_EQ(f.recorder().openBatch()->band, 2.2);
    // A band finer than the input shows stays as it is when its field is left as shown.
    ASSERT_TRUE(f.recorder().setLoadRule({LoadSensor::Pv1, 2.25, 10.0}, nullptr));
    emit band->editingFinished();
    EXPECT_DOUBLE_EQ(f.recorder().openBatch()->band, 2.25);
    auto* sensor = Find<QComboBox>(page, "BatchSensor");
    sensor->setCurrentIndex(1);
    emit sensor->activated(1);
    EXPECT_EQ(f.recorder().openBatch()->sensor, LoadSensor::Pv2);

    ASSERT_TRUE(f.recorder().endBatch());
    page.showBatch(id);
    EXPECT_TRUE(band->isReadOnly());
    EXPECT_TRUE(Find<QLineEdit>(page, "BatchTimeTolerance")->isReadOnly());
    EXPECT_FALSE(sensor->isEnabled());
    EXPECT_EQ(sensor->currentText(), QStringLiteral("PV2"));
    EXPECT_EQ(band->text(), QStringLiteral("2.3"));  // 2.25 shown to one decimal
}

}  // namespace
