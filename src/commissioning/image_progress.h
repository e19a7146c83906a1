#pragma once

#include <QObject>
#include <QPointer>

class QProgressDialog;
class QWidget;

namespace vt {

// How far a read or a restore of an image got, in a progress dialog `ImageProgress` over
// `window` with the button "取消".
class ImageProgress : public QObject {
    Q_OBJECT
  public:
    explicit ImageProgress(QWidget* window);
    ~ImageProgress() override;

    void begin(const QString& title, const QString& text);
    void show(int done, int total);
    void end();

  signals:
    void canceled();

  private:
    QPointer<QProgressDialog> m_dialog;
};

}  // namespace vt
