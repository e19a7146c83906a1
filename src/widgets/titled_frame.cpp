#include "titled_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vt {

TitledFrame::TitledFrame(const QString& name, const QString& title, QWidget* parent)
    : QFrame(parent), m_title(new QLabel(title)), m_body(new QHBoxLayout) {
    setObjectName(name);
    setAccessibleName(title.trimmed());
    setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 0, 4, 2);
    column->setSpacing(0);
    column->addWidget(m_title);
    column->addLayout(m_body);
}

QString TitledFrame::title() const { return m_title->text(); }

}  // namespace vt
