#pragma once

#include <QObject>

class QWidget;

namespace vt {

// Tells when the operator leaves an input after changing it: an edit the operator made (typed
// text, a chosen entry, marked by markEdited) between the input gaining and losing the keyboard
// focus ends in leftAfterEdit when the focus leaves. Focus that only passes through asks for
// nothing, and neither does focus that moves to a popup (the input's entry list, its context
// menu) and comes back: the edit goes on.
class FocusLossEdit : public QObject {
    Q_OBJECT
  public:
    // Watches `input` and lives as long as it does.
    explicit FocusLossEdit(QWidget* input);

    void markEdited() { m_edited = true; }

  signals:
    void leftAfterEdit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_edited = false;
};

}  // namespace vt
