#include "image_commands.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "chooser_folder.h"
#include "image_compare_window.h"
#include "image_file.h"
#include "image_progress.h"
#include "image_reader.h"
#include "named_button.h"
#include "port_directory.h"
#include "station_version.h"

namespace vt {

namespace {

const QString kFileFilter = QStringLiteral("参数映像 (*.json)");

void ShowOutcome(QLabel& status, bool ok, const QString& message) {
    status.setText(message);
    status.setStyleSheet(ok ? QString() : QStringLiteral("color: rgb(192, 0, 0);"));
}

}  // namespace

ImageCommands::ImageCommands(StationContext& context, QWidget* window, QBoxLayout* place)
    : QObject(window),
      m_context(context),
      m_window(window),
      m_save(NamedButton(QStringLiteral("CommandSave"), QStringLiteral("保存参数"), window)),
      m_compare(NamedButton(QStringLiteral("CommandCompare"), QStringLiteral("比较参数"), window)),
      m_status(new QLabel(window)),
      m_reader(new ImageReader(context.link, context.state, this)),
      m_progress(new ImageProgress(window)) {
    m_status->setObjectName(QStringLiteral("ImageStatus"));
    m_status->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_compare);
    place->addLayout(buttons);
    place->addWidget(m_status);
    connect(m_save, &QPushButton::clicked, this, &ImageCommands::chooseSaveFile);
    connect(m_compare, &QPushButton::clicked, this, &ImageCommands::chooseCompareFile);
    connect(m_reader, &ImageReader::progress, m_progress, &ImageProgress::show);
    connect(m_reader, &ImageReader::finished, this, &ImageCommands::readDone);
    connect(m_reader, &ImageReader::failed, this, &ImageCommands::readFailed);
    connect(m_progress, &ImageProgress::canceled, m_reader, &ImageReader::cancel);
}

ImageCommands::~ImageCommands() { delete m_compareWindow; }

ImageCompareWindow* ImageCommands::compareWindow() const { return m_compareWindow; }

void ImageCommands::chooseSaveFile() {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QString suggested =
        ChooserFolder::Suggested(QStringLiteral("VT5800_参数_%1.json").arg(stamp));
    const QString path =
        QFileDialog::getSaveFileName(m_window, QStringLiteral("保存参数"), suggested, kFileFilter);
    ChooserFolder::Remember(path);
    if (!path.isEmpty()) saveTo(path);
}

void ImageCommands::chooseCompareFile() {
    const QString path = QFileDialog::getOpenFileName(m_window, QStringLiteral("比较参数"),
                                                      ChooserFolder::Current(), kFileFilter);
    ChooserFolder::Remember(path);
    if (!path.isEmpty()) compareWith(path);
}

void ImageCommands::saveTo(const QString& path) {
    if (m_task != Task::None) return;
    startRead(Task::Save, path);
}

void ImageCommands::compareWith(const QString& path) {
    if (m_task != Task::None) return;
    ImageLoad load = LoadImageFile(path);
    if (!load.file) {
        ShowOutcome(*m_status, false, QStringLiteral("无法比较：") + load.error);
        emit compared(false);
        return;
    }
    m_file = std::move(load.file);
    startRead(Task::Compare, path);
}

void ImageCommands::startRead(Task task, const QString& path) {
    m_task = task;
    m_path = path;
    m_save->setEnabled(false);
    m_compare->setEnabled(false);
    ShowOutcome(*m_status, true, QString());
    m_progress->begin(task == Task::Save ? QStringLiteral("保存参数") : QStringLiteral("比较参数"),
                      QStringLiteral("正在读取控制器参数…"));
    m_reader->start();
}

void ImageCommands::readDone(const ControllerImage& image) {
    if (m_task == Task::Compare) {
        openCompare(image);
        return;
    }
    const QString error = SaveImageFile(m_path, ImageFile{image, origin()});
    if (!error.isEmpty()) {
        finish(false, QStringLiteral("保存失败：") + error);
        return;
    }
    finish(true, QStringLiteral("已保存 %1 个寄存器到 %2")
                     .arg(image.size())
                     .arg(QDir::toNativeSeparators(m_path)));
}

void ImageCommands::readFailed(const QString& reason) {
    const bool saving = m_task == Task::Save;
    finish(false,
           (saving ? QStringLiteral("保存失败，未写入文件：") : QStringLiteral("比较失败：")) +
               reason);
}

void ImageCommands::finish(bool ok, const QString& message) {
    const Task task = m_task;
    m_task = Task::None;
    m_file.reset();
    m_progress->end();
    m_save->setEnabled(true);
    m_compare->setEnabled(true);
    ShowOutcome(*m_status, ok, message);
    if (task == Task::Save)
        emit saved(ok);
    else
        emit compared(ok);
}

void ImageCommands::openCompare(const ControllerImage& image) {
    delete m_compareWindow;
    m_compareWindow = new ImageCompareWindow(m_context, m_path, std::move(*m_file), image);
    connect(m_compareWindow, &ImageCompareWindow::returned, this, [this] {
        m_compareWindow->deleteLater();
        m_window->show();
    });
    m_compareWindow->show();
    m_window->hide();
    finish(true, QStringLiteral("已比较 %1，%2 个寄存器不同")
                     .arg(QDir::toNativeSeparators(m_path))
                     .arg(m_compareWindow->comparison().differenceCount()));
}

ImageOrigin ImageCommands::origin() const {
    const auto& settings = m_context.state.LinkSettings;
    ImageOrigin origin;
    origin.saved = QDateTime::currentDateTime();
    origin.stationVersion = QString::fromLatin1(kStationVersion);
    origin.port = settings[PortNumber];
    origin.device = m_context.ports.devicePath(origin.port);
    origin.baudCode = settings[BaudCode];
    origin.parityCode = settings[ParityCode];
    origin.slave = settings[SlaveAddress];
    return origin;
}

}  // namespace vt
