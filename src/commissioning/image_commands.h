#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "controller_image.h"
#include "station_context.h"

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace vt {

class ImageCompareWindow;
class ImageProgress;
class ImageReader;

// The image buttons of the configuration window and the line `ImageStatus` that tells how the
// last one ended. "保存参数" (`CommandSave`) reads every parameter area of the controller, with
// progress and a cancel, and only when every read succeeded writes the image file in one piece.
// "比较参数" (`CommandCompare`) checks the chosen file whole, reads the controller the same way
// and opens the compare window over `window`, which hides until the compare window returns.
// The buttons choose a file; saveTo() and compareWith() take it. The buttons and the line stand
// in `place`, a layout of `window` (the configuration window's place for commands).
class ImageCommands : public QObject {
    Q_OBJECT
  public:
    ImageCommands(StationContext& context, QWidget* window, QBoxLayout* place);
    ~ImageCommands() override;

    QPushButton* saveButton() const { return m_save; }
    QPushButton* compareButton() const { return m_compare; }
    QLabel* status() const { return m_status; }
    ImageReader& reader() const { return *m_reader; }
    // The compare window while it is open.
    ImageCompareWindow* compareWindow() const;

    // Reads the controller and saves its image to `path`; saved() tells how it ended.
    void saveTo(const QString& path);
    // Checks the image file at `path`, reads the controller and opens the compare window;
    // compared() tells how it ended. Ignored while a read runs.
    void compareWith(const QString& path);

  signals:
    void saved(bool ok);
    void compared(bool opened);

  private:
    enum class Task { None, Save, Compare };
    void chooseSaveFile();
    void chooseCompareFile();
    void startRead(Task task, const QString& path);
    void readDone(const ControllerImage& image);
    void readFailed(const QString& reason);
    void finish(bool ok, const QString& message);
    void openCompare(const ControllerImage& image);
    ImageOrigin origin() const;

    StationContext& m_context;
    QWidget* m_window;
    QPushButton* m_save;
    QPushButton* m_compare;
    QLabel* m_status;
    ImageReader* m_reader;
    ImageProgress* m_progress;
    Task m_task = Task::None;
    QString m_path;
    std::optional<ImageFile> m_file;  // the file being compared
    QPointer<ImageCompareWindow> m_compareWindow;
};

}  // namespace vt
