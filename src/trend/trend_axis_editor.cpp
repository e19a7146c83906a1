#include "trend_axis_editor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "trend_settings.h"

namespace vt {

namespace {

QLineEdit* EntryBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(name);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-000000")) + 16);
    return box;
}

}  // namespace

TrendAxisEditor::TrendAxisEditor(const TrendSettings& settings, QWidget* parent)
    : QWidget(parent),
      m_maximumCaption(new QLabel(settings.MaximumCaption, this)),
      m_maximum(EntryBox(QStringLiteral("YKD"), this)),
      m_minimumCaption(new QLabel(settings.MinimumCaption, this)),
      m_minimum(EntryBox(QStringLiteral("YKD1"), this)),
      m_apply(new QPushButton(QStringLiteral("修改Y"), this)) {
    setObjectName(QStringLiteral("ValueAxisEditor"));
    m_maximumCaption->setObjectName(QStringLiteral("Label9"));
    m_minimumCaption->setObjectName(QStringLiteral("Label10"));
    m_apply->setObjectName(QStringLiteral("CommandChangeY"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(m_maximumCaption), static_cast<QWidget*>(m_maximum),
                       static_cast<QWidget*>(m_minimumCaption), static_cast<QWidget*>(m_minimum),
                       static_cast<QWidget*>(m_apply)})
        layout->addWidget(w);
    connect(m_apply, &QPushButton::clicked, this, &TrendAxisEditor::changeRequested);
}

QString TrendAxisEditor::maximumText() const { return m_maximum->text(); }
QString TrendAxisEditor::minimumText() const { return m_minimum->text(); }

}  // namespace vt
