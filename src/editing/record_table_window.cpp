#include "record_table_window.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "named_button.h"
#include "record_grid.h"

namespace vt {

RecordTableWindow::RecordTableWindow(StationContext& context, const RecordTableLook& look,
                                     CsvExportControl::MakeExporter makeExporter, QWidget* parent)
    : GuardedWindow(parent),
      m_context(context),
      m_grid(RecordGrid(look.gridName, this)),
      m_export(new CsvExportControl(this, look.exportPrefix, look.exportProgress,
                                    std::move(makeExporter))),
      m_page(new QVBoxLayout(this)) {
    setObjectName(look.name);
    setWindowTitle(look.title);
    connect(m_export, &CsvExportControl::finished, this, &RecordTableWindow::exportFinished);
    QPushButton* back = NamedButton(QStringLiteral("Command1"), QStringLiteral("返回上一级"), this);
    connect(back, &QPushButton::clicked, this, [this] { goBack(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_export->button());
    buttons->addWidget(m_export->status(), 1);
    buttons->addWidget(back);
    m_page->addWidget(m_grid, 1);
    m_page->addLayout(buttons);
    resize(look.size);

    setKeepOpen(true);
    m_db = DbConnection(context.databasePath, look.name);
}

RecordTableWindow::~RecordTableWindow() {
    // An export stops before anything it reads goes, and the grid lets go of the model before
    // the model's statements and then the connection go.
    delete m_export;
    m_grid->setModel(nullptr);
    m_model.reset();
}

void RecordTableWindow::exportTo(const QString& csvPath) { m_export->exportTo(csvPath); }

void RecordTableWindow::showModel(std::unique_ptr<QAbstractItemModel> model) {
    m_grid->setModel(nullptr);
    m_model = std::move(model);
    m_grid->setModel(m_model.get());
}

void RecordTableWindow::addAboveGrid(QLayout* bar) { m_page->insertLayout(0, bar); }

}  // namespace vt
