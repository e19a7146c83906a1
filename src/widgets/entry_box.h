#pragma once

#include <QColor>
#include <QLineEdit>

namespace vt {

// An entry box of a station window, named by its control name: `focusedColour` while it has the
// focus, white otherwise. Gaining the focus is signalled, for a write button that appears then,
// and so is losing it, after the colour is back.
class EntryBox : public QLineEdit {
    Q_OBJECT
  public:
    static QColor LightYellow() { return {255, 255, 192}; }

    explicit EntryBox(const QString& name, const QColor& focusedColour = LightYellow(),
                      QWidget* parent = nullptr);

  signals:
    void focusGained();
    void focusLost();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void setBackground(const QColor& colour);

    QColor m_focusedColour;
};

}  // namespace vt
