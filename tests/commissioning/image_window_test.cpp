#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "config_window.h"
#include "controller_map.h"
#include "image_commands.h"
#include "image_compare_window.h"
#include "image_file.h"
#include "image_reader.h"
#include "window_rig.h"

namespace vt {
namespace {

// The configuration window over a simulated controller, with a folder for image files.
class ImageTest : public ::testing::Test {
  protected:
    ImageTest() {
        EXPECT_TRUE(m_rig.openPort());
        m_window = std::make_unique<ConfigWindow>(m_rig.context);
        m_image = new ImageCommands(m_rig.context, m_window.get(), m_window->commandPlace());
        m_path = m_dir.filePath(QStringLiteral("image.json"));
    }

    bool save() {
        QSignalSpy saved(m_image, &ImageCommands::saved);
        m_image->saveTo(m_path);
        return saved.wait(test::kWaitMs) && saved.last().at(0).toBool();
    }

    // Compares the saved image with the controller; the compare window, or null if refused.
    ImageCompareWindow* compare() {
        QSignalSpy compared(m_image, &ImageCommands::compared);
        m_image->compareWith(m_path);
        if (compared.isEmpty() && !compared.wait(test::kWaitMs)) return nullptr;
        return compared.last().at(0).toBool() ? m_image->compareWindow() : nullptr;
    }

    bool restore(ImageCompareWindow& window) {
        QSignalSpy done(&window, &ImageCompareWindow::restoreFinished);
        window.restoreTicked();
        return done.wait(test::kWaitMs);
    }

    ControllerImage readController() {
        ImageReader reader(m_rig.link, m_rig.state);
        QSignalSpy finished(&reader, &ImageReader::finished);
        reader.start();
        EXPECT_TRUE(finished.wait(test::kWaitMs));
        return finished.isEmpty() ? ControllerImage()
                                  : finished.last().at(0).value<ControllerImage>();
    }

    QString status() const { return m_image->status()->text(); }
    std::int16_t holding(int reg) { return m_rig.line.model().holding(reg); }
    void set(int reg, int value) {
        ASSERT_TRUE(m_rig.line.model().setHolding(reg, static_cast<std::int16_t>(value))) << reg;
    }

    test::WindowRig m_rig;
    std::unique_ptr<ConfigWindow> m_window;
    ImageCommands* m_image = nullptr;  // owned by the window
    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(ImageTest, ImageSavedFromTheControllerHoldsEveryRegister) {
    set(7, 3);  // the program window shows curve 3
    set(Group::Pid(20, 5), 321);
    ASSERT_TRUE(save()) << status().toStdString();
    const ImageLoad load = LoadImageFile(m_path);
    ASSERT_TRUE(load.file) << load.error.toStdString();
    const std::vector<ImageRegister>& map = ImageRegisters();
    for (std::size_t i = 0; i < map.size(); ++i)
        ASSERT_EQ(load.file->image.raw(i), holding(map[i].reg())) << map[i].reg();
    EXPECT_EQ(load.file->image.curve(), 3);
    EXPECT_EQ(load.file->origin.port, test::kSimPort);
    EXPECT_EQ(load.file->origin.baudCode, test::kFastBaud);
    EXPECT_TRUE(m_rig.writesSince(0).empty());
}

TEST_F(ImageTest, FailedReadEndsTheSaveAndLeavesTheOldFileAsItWas) {
    QFile old(m_path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {5200}; });
    EXPECT_FALSE(save());
    EXPECT_TRUE(status().contains(QStringLiteral("5185..5240"))) << status().toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(ImageCancelTest, CancelledSaveWritesNoFile) {
    test::WindowRig rig(test::SimulatedLine::Slow());  // a block takes about 0.1 s
    QSignalSpy ticks(&rig.polling, &PollingCycle::tickFinished);
    rig.connection.open(test::kSimPort, 0, 0, test::kSimSlave);
    ASSERT_TRUE(ticks.wait(test::kWaitMs));
    ConfigWindow window(rig.context);
    auto* image = new ImageCommands(rig.context, &window, window.commandPlace());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.json"));
    QSignalSpy progress(&image->reader(), &ImageReader::progress);
    QSignalSpy saved(image, &ImageCommands::saved);
    image->saveTo(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.size() >= 3; }, test::kWaitMs));
    auto* dialog = test::Find<QProgressDialog>(&window, QStringLiteral("ImageProgress"));
    ASSERT_TRUE(dialog->isVisible());
    QPushButton* cancel = dialog->findChild<QPushButton*>();
    ASSERT_EQ(cancel->text(), QStringLiteral("取消"));
    cancel->click();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_FALSE(saved.last().at(0).toBool());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(image->saveButton()->isEnabled());
}

TEST_F(ImageTest, ForeignFileIsRefusedBeforeAnythingIsRead) {
    QFile foreign(m_path);
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(R"({"format": "VT5800 controller image", "formatVersion": 1})");
    foreign.close();
    EXPECT_EQ(compare(), nullptr);
    EXPECT_TRUE(status().startsWith(QStringLiteral("无法比较："))) << status().toStdString();
    EXPECT_EQ(m_image->reader().running(), false);
}

TEST_F(ImageTest, RestoreWritesExactlyTheTickedRegistersInOrderAndJournalsThem) {
    ASSERT_TRUE(save());
    // Differences in every stage of a restore, given in no particular order.
    const std::vector<std::pair<int, int>> changes = {{Program::SegmentField(2, 1), 33},
                                                      {4160, 9},
                                                      {257, 2500},
                                                      {4110, 9000},
                                                      {Group::Pid(3, 2), 55},
                                                      {4192, 10},
                                                      {4112, 2},
                                                      {Program::Parameter(4), 5},
                                                      {Group::OutputHigh(4), 90},
                                                      {4353, 250},
                                                      {265, 1},
                                                      {Program::SegmentField(1, 7), 4}};
    for (const auto& [reg, value] : changes) set(reg, value);
    ImageCompareWindow* window = compare();
    ASSERT_NE(window, nullptr) << status().toStdString();
    ImageComparison& comparison = window->comparison();
    EXPECT_EQ(comparison.differenceCount(), static_cast<int>(changes.size()));
    // The communication settings and the network block wait for the operator; 257 is left out.
    EXPECT_EQ(comparison.tickedCount(), static_cast<int>(changes.size()) - 2);
    comparison.setTicked(*ImageIndexOf(257), false);
    comparison.setTicked(*ImageIndexOf(4160), true);
    EXPECT_TRUE(window->confirmationText().contains(QStringLiteral("当前曲线 0")));

    const std::size_t mark = m_rig.writeCount();
    ASSERT_TRUE(restore(*window));
    const std::vector<std::string> expected = {
        "holding 4112 1",   "holding 4110 13000", "holding 4353 300", "holding 265 0",
        "holding 5135 100", "holding 4623 100",   "holding 8197 1",   "holding 8216 0",
        "holding 8218 20",  "holding 4160 0"};
    EXPECT_EQ(m_rig.writesSince(mark), expected);
    EXPECT_EQ(window->model()->rowCount(), static_cast<int>(changes.size()));
    for (const auto& [reg, value] : changes) {
        const std::size_t index = *ImageIndexOf(reg);
        const bool left = reg == 257 || reg == 4192;
        EXPECT_EQ(comparison.result(index), left ? QString() : QStringLiteral("已恢复")) << reg;
        EXPECT_EQ(comparison.differs(index), left) << reg;
    }
    ASSERT_TRUE(m_rig.waitIdle());
    const std::vector<JournalEntry> journal = m_rig.journal();
    ASSERT_EQ(journal.size(), expected.size());
    EXPECT_EQ(journal[1].window, QStringLiteral("bjcs 比较参数"));
    EXPECT_EQ(journal[1].caption, QStringLiteral("显示上限"));
    EXPECT_EQ(journal[1].before, QStringLiteral("900"));
    EXPECT_EQ(journal[1].entered, QStringLiteral("1300"));
}

TEST_F(ImageTest, RestoreShowsWhatFailedAndWhyAndKeepsOutOfACurveItCouldNotSelect) {
    const ControllerImage controller = readController();
    ImageFile file{controller, {}};
    const auto set = [&file](std::int32_t reg, std::int32_t value) {
        file.image.setRaw(*ImageIndexOf(reg), value);
    };
    set(4103, 77);
    set(Scaling::TempUnit.number, 7);  // the controller refuses both: no such unit, no such curve
    set(Run::CurveNumber.number, 12);
    set(Program::SegmentField(1, 1), 15);
    ImageCompareWindow window(m_rig.context, m_path, file, controller);
    ImageComparison& comparison = window.comparison();
    comparison.setTicked(*ImageIndexOf(Run::CurveNumber.number), true);
    EXPECT_TRUE(window.confirmationText().contains(QStringLiteral("切换为曲线 12")));

    const std::size_t mark = m_rig.writeCount();
    ASSERT_TRUE(restore(window));
    const auto result = [&](std::int32_t reg) { return comparison.result(*ImageIndexOf(reg)); };
    EXPECT_EQ(result(4103), QStringLiteral("已恢复"));
    EXPECT_EQ(result(4102), QStringLiteral("失败：异常应答（代码 3）"));
    EXPECT_EQ(result(7), QStringLiteral("失败：异常应答（代码 3）"));
    EXPECT_EQ(result(Program::SegmentField(1, 1)), QStringLiteral("未写入：当前曲线未能切换"));
    EXPECT_TRUE(comparison.failed(*ImageIndexOf(4102)));
    EXPECT_TRUE(comparison.ticked(*ImageIndexOf(4102)));
    EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 4103 77"});
}

TEST_F(ImageTest, SwitchBetweenDifferencesAndEveryRegister) {
    ASSERT_TRUE(save());
    set(4354, 200);
    set(Program::SegmentField(1, 0), 1500);
    ImageCompareWindow* window = compare();
    ASSERT_NE(window, nullptr);
    ImageCompareModel* model = window->model();
    EXPECT_EQ(model->rowCount(), 2);
    const int row = model->rowOf(Program::SegmentField(1, 0));
    ASSERT_GE(row, 0);
    EXPECT_EQ(model->index(row, static_cast<int>(CompareColumn::FileValue)).data().toString(),
              QStringLiteral("100"));
    EXPECT_EQ(model->index(row, static_cast<int>(CompareColumn::ControllerValue)).data().toString(),
              QStringLiteral("150"));
    test::Find<QCheckBox>(window, QStringLiteral("OnlyDifferences"))->setChecked(false);
    EXPECT_EQ(model->rowCount(), static_cast<int>(ImageRegisters().size()));
}

}  // namespace
}  // namespace vt
