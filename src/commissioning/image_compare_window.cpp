#include "image_compare_window.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "image_progress.h"
#include "image_reader.h"
#include "image_restorer.h"
#include "named_button.h"
#include "poll_blocks.h"
#include "record_grid.h"

namespace vt {

namespace {

// A text as wide as a column needs, for the column widths.
constexpr const char16_t* kColumnSamples[kCompareColumns] = {
    u"恢复",
    u"PID参数",
    u"00000",
    u"开关量输入1功能选择",
    u"待机缓启动（闭合待机）",
    u"-00000.0",
    u"已写入，未能读回：异常应答（代码 11）"};

QString OriginText(const QString& filePath, const ImageOrigin& origin) {
    return QStringLiteral("文件：%1，保存于 %2（站版本 %3，端口 %4 %5，地址 %6）")
        .arg(QDir::toNativeSeparators(filePath),
             origin.saved.toString(QStringLiteral("yyyy/M/d HH:mm:ss")), origin.stationVersion)
        .arg(origin.port)
        .arg(origin.device)
        .arg(origin.slave);
}

// The scaling settings as the controller now holds them, stored as the polling cycle does.
void ApplyScaling(ControllerState& state, const ControllerImage& image) {
    const PollBlock& block = ConfigBlock();
    std::vector<std::int32_t> values;
    for (std::int32_t reg = block.first; reg < block.first + block.count; ++reg)
        values.push_back(image.value(reg));
    block.apply(state, values);
}

}  // namespace

ImageCompareWindow::ImageCompareWindow(StationContext& context, const QString& filePath,
                                       ImageFile file, ControllerImage controller, QWidget* parent)
    : GuardedWindow(parent),
      m_context(context),
      m_comparison(std::move(file), std::move(controller)),
      m_model(std::make_unique<ImageCompareModel>(m_comparison)),
      m_restorer(new ImageRestorer(context.link, context.state, this)),
      m_reader(new ImageReader(context.link, context.state, this)),
      m_progress(new ImageProgress(this)) {
    setObjectName(QStringLiteral("bjcs"));
    setWindowTitle(QStringLiteral("比较参数"));
    setKeepOpen(true);

    m_grid = RecordGrid(QStringLiteral("CompareGrid"), this);
    m_grid->setModel(m_model.get());
    m_grid->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics = m_grid->fontMetrics();
    for (int column = 0; column < kCompareColumns; ++column) {
        const QString sample = QString::fromUtf16(kColumnSamples[column]);
        m_grid->setColumnWidth(column, metrics.horizontalAdvance(sample) + 24);
    }

    auto* page = new QVBoxLayout(this);
    page->addLayout(buildTopRows(filePath));
    page->addWidget(m_grid, 1);
    page->addLayout(buildButtons());
    resize(1200, 640);

    connect(m_model.get(), &ImageCompareModel::ticksChanged, this, &ImageCompareWindow::showCounts);
    connect(m_restorer, &ImageRestorer::progress, m_progress, &ImageProgress::show);
    connect(m_restorer, &ImageRestorer::finished, this, &ImageCompareWindow::writesDone);
    connect(m_reader, &ImageReader::progress, m_progress, &ImageProgress::show);
    connect(m_reader, &ImageReader::finished, this,
            [this](const ControllerImage& image) { readBackDone(image, {}); });
    connect(m_reader, &ImageReader::failed, this,
            [this](const QString& why) { readBackDone(std::nullopt, why); });
    connect(m_progress, &ImageProgress::canceled, this, [this] {
        m_restorer->cancel();
        m_reader->cancel();
    });
    showCounts();
}

ImageCompareWindow::~ImageCompareWindow() { m_grid->setModel(nullptr); }

QLayout* ImageCompareWindow::buildTopRows(const QString& filePath) {
    auto* origin = new QLabel(OriginText(filePath, m_comparison.file().origin), this);
    origin->setObjectName(QStringLiteral("ImageOrigin"));
    origin->setWordWrap(true);
    m_curveNote = new QLabel(this);
    m_curveNote->setObjectName(QStringLiteral("CurveNote"));
    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("DifferenceCount"));
    m_onlyDifferences = new QCheckBox(QStringLiteral("只显示不同"), this);
    m_onlyDifferences->setObjectName(QStringLiteral("OnlyDifferences"));
    m_onlyDifferences->setChecked(m_model->differencesOnly());
    connect(m_onlyDifferences, &QCheckBox::toggled, m_model.get(),
            &ImageCompareModel::setDifferencesOnly);

    auto* counts = new QHBoxLayout;
    counts->addWidget(m_counts, 1);
    counts->addWidget(m_onlyDifferences);
    auto* rows = new QVBoxLayout;
    rows->addWidget(origin);
    rows->addWidget(m_curveNote);
    rows->addLayout(counts);
    return rows;
}

QLayout* ImageCompareWindow::buildButtons() {
    QPushButton* all = NamedButton(QStringLiteral("CommandTickAll"), QStringLiteral("全选"), this);
    connect(all, &QPushButton::clicked, this, [this] { m_model->tickAll(true); });
    QPushButton* none =
        NamedButton(QStringLiteral("CommandTickNone"), QStringLiteral("全不选"), this);
    connect(none, &QPushButton::clicked, this, [this] { m_model->tickAll(false); });
    m_restore = NamedButton(QStringLiteral("CommandRestore"), QStringLiteral("恢复选中参数"), this);
    connect(m_restore, &QPushButton::clicked, this, &ImageCompareWindow::askAndRestore);
    m_back = NamedButton(QStringLiteral("Command1"), QStringLiteral("返回"), this);
    connect(m_back, &QPushButton::clicked, this, &ImageCompareWindow::goBack);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch(1);
    buttons->addWidget(m_restore);
    buttons->addWidget(m_back);
    return buttons;
}

void ImageCompareWindow::showCounts() {
    QString counts = QStringLiteral("共 %1 个寄存器，%2 个不同，已勾选 %3 个")
                         .arg(m_comparison.size())
                         .arg(m_comparison.differenceCount())
                         .arg(m_comparison.tickedCount());
    if (m_comparison.restoredCount() + m_comparison.failedCount() > 0) {
        counts += QStringLiteral("；上次恢复：%1 个已恢复，%2 个未恢复")
                      .arg(m_comparison.restoredCount())
                      .arg(m_comparison.failedCount());
    }
    m_counts->setText(counts);
    const std::int32_t fileCurve = m_comparison.file().image.curve();
    const std::int32_t current = m_comparison.controller().curve();
    m_curveNote->setText(
        fileCurve == current
            ? QStringLiteral("曲线参数与曲线段：文件与控制器均为曲线 %1").arg(current)
            : QStringLiteral("曲线参数与曲线段：文件中为曲线 %1，控制器当前为曲线 %2")
                  .arg(fileCurve)
                  .arg(current));
    m_restore->setEnabled(!restoring() && m_comparison.tickedCount() > 0);
    m_back->setEnabled(!restoring());
}

QString ImageCompareWindow::confirmationText() const {
    QString text = QStringLiteral("将 %1 个勾选的参数写入控制器。").arg(m_comparison.tickedCount());
    const std::int32_t curve = m_comparison.targetCurve();
    if (curve != m_comparison.controller().curve()) {
        text +=
            QStringLiteral("先将当前曲线切换为曲线 %1，曲线参数与曲线段写入曲线 %1。").arg(curve);
    } else if (m_comparison.curveTicked()) {
        text += QStringLiteral("曲线参数与曲线段写入控制器的当前曲线 %1。").arg(curve);
    }
    if (m_comparison.linkTicked())
        text += QStringLiteral("已勾选通讯设置或网络参数，写入后通讯可能中断。");
    return text + QStringLiteral("确定恢复吗？");
}

bool ImageCompareWindow::restoring() const { return m_restorer->running() || m_reader->running(); }

void ImageCompareWindow::askAndRestore() {
    const auto answer = QMessageBox::question(this, QStringLiteral("恢复参数"), confirmationText(),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) restoreTicked();
}

void ImageCompareWindow::restoreTicked() {
    if (restoring() || m_comparison.tickedCount() == 0) return;
    m_restore->setEnabled(false);
    m_back->setEnabled(false);
    m_progress->begin(QStringLiteral("恢复参数"), QStringLiteral("正在写入勾选的参数…"));
    m_restorer->start(m_comparison);
}

void ImageCompareWindow::writesDone(const std::vector<RestoreWrite>& writes) {
    m_writes = writes;
    m_progress->begin(QStringLiteral("恢复参数"), QStringLiteral("正在读回控制器参数…"));
    m_reader->start();
}

void ImageCompareWindow::readBackDone(const std::optional<ControllerImage>& image,
                                      const QString& failure) {
    m_progress->end();
    m_comparison.takeRestore(m_writes, image, failure);
    if (image) ApplyScaling(m_context.state, *image);
    m_model->refresh();
    emit restoreFinished();
}

void ImageCompareWindow::goBack() {
    if (restoring()) return;
    leave();
    emit returned();
}

}  // namespace vt
