#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTableWidget;
class QTextStream;

namespace vt {

// A small stand-in for a station window, used to prove the accessibility-bus test
// harness: a caption button with a counter label, an entry box with its hidden write
// button, a selector, a grid and a slider, named the way station windows name theirs.
// Every action it sees is written as one line to the report stream.
class ProbeWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProbeWindow(QTextStream& report, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void nameControls();
    void fillControls();
    void layOut();
    void onOpen();
    void onWrite();
    void onPick(const QString& item);
    void report(const QString& line);

    QTextStream& m_report;
    int m_openCount = 0;
    QPushButton* m_open;
    QLabel* m_counter;
    QLineEdit* m_entry;
    QPushButton* m_write;
    QComboBox* m_combo;
    QTableWidget* m_grid;
    QSlider* m_slider;
};

}  // namespace vt
