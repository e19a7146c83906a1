#pragma once

#include <QLineEdit>

namespace vt {

// A set-value entry box of the top bar: pale yellow while it has the focus, white otherwise.
// Gaining the focus shows its write button (see RunControlBar).
class RunEntryBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit RunEntryBox(const QString& name, QWidget* parent = nullptr);

    static QColor FocusedColour() { return {255, 255, 192}; }

  signals:
    void focusGained();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void setBackground(const QColor& colour);
};

}  // namespace vt
