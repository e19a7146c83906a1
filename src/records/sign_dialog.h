#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QLabel;

namespace vt {

class BatchRecorder;

// "签名": a printed name, a meaning (审核 or 批准) and an optional comment, recorded with the
// time and the computer account's name in the batch's chain after its seal.
class SignDialog : public QDialog {
    Q_OBJECT
  public:
    SignDialog(BatchRecorder& recorder, std::int64_t batchId, QWidget* parent = nullptr);

    // The computer account the station runs under.
    static QString AccountName();

  private:
    void sign();

    BatchRecorder& m_recorder;
    std::int64_t m_batch;
    QLineEdit* m_name;
    QComboBox* m_meaning;
    QLineEdit* m_comment;
    QLabel* m_message;
};

}  // namespace vt
