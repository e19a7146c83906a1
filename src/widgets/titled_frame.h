#pragma once

#include <QFrame>

class QHBoxLayout;
class QLabel;

namespace vt {

// A framed group with its caption above the contents. Unlike a group box it shows a caption
// of several lines as given, so a caption that begins with a line break stands one line lower.
class TitledFrame : public QFrame {
    Q_OBJECT
  public:
    TitledFrame(const QString& name, const QString& title, QWidget* parent = nullptr);

    QHBoxLayout* body() const { return m_body; }
    QString title() const;

  private:
    QLabel* m_title;
    QHBoxLayout* m_body;
};

}  // namespace vt
