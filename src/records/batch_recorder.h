#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "batch_closer.h"
#include "batch_evaluation.h"
#include "batch_header.h"
#include "batch_store.h"
#include "clock_reading.h"
#include "controller_state.h"
#include "load_rule.h"
#include "records_file.h"

namespace vt {

class ControllerLink;

// The batch records of one station: opens the records file, starts a batch when a program run
// begins (or on the operator's word), hands every one-second record of the logger to the open
// batch, keeps the header, its changes, notes, events, captures and the station's writes in the
// batch's chain, and ends, evaluates and seals the batch when the run ends. Lives on the UI
// thread; each record is one short insert. The end entry goes into the chain at once; the walk
// over the whole batch (verification and evaluation) runs on a worker thread, and the seal
// follows with its result. A records file that cannot be used never stops the station: the
// recorder says so, keeps what is written, and tries the file again every ten seconds.
class BatchRecorder : public QObject {
    Q_OBJECT
  public:
    using Clock = std::function<QDateTime()>;

    BatchRecorder(ControllerState& state, QString recordsPath, Clock clock = {},
                  QObject* parent = nullptr);
    ~BatchRecorder() override;

    // Where captures are read from (none: captures hold what the station knows) and where the
    // station's journal of writes lives.
    void setLink(ControllerLink* link) { m_link = link; }
    void setStationDatabase(const QString& path) { m_databasePath = path; }
    // Controller seconds per station second for batches started from now on (a simulated
    // controller's time factor; 1 for a real one).
    void setTimeScale(double scale) { m_timeScale = scale; }
    // How long an unusable records file rests before the next try (ten seconds).
    void setRetryInterval(int ms) { m_retry.setInterval(ms); }

    // Opens the records file; an open batch found there goes on, with the time the station was
    // down as a gap, and a batch that had ended without its seal is verified and sealed now.
    bool open();
    bool usable() const { return m_file.isOpen(); }
    const QString& problem() const { return m_problem; }
    const QString& path() const { return m_file.path(); }
    // The store, while the file is usable.
    const BatchStore* store() const { return m_store.get(); }

    // The program state (`ProgramStatus` 0) and segment (3) of a tick whose blocks all came in.
    void observeProgram(int programState, int segment);
    // One record of the one-second ring (the logger's hook).
    void appendSecond(const ClockReading& reading, const std::array<float, 8>& values);

    bool autoStart() const { return m_autoStart; }
    void setAutoStart(bool on);
    // The header proposed for the next batch: the last values, the number counted up.
    BatchHeader proposal() const;

    std::optional<BatchSummary> openBatch() const;
    // Ending: the end capture is being read; the batch closes when it is in.
    bool ending() const { return m_ending; }
    // A batch has ended (no more entries join it) and waits for its verification and seal.
    bool sealing() const { return !m_unsealed.empty(); }

    // 开始批次 / 结束批次. False with a message when refused.
    bool startManual(const BatchHeader& header, QString* error);
    bool endBatch(QString* error = nullptr);
    // A header field of the open batch; the change goes into its trail.
    bool setHeaderField(HeaderField field, const QString& text, QString* error);
    // The load sensor and tolerances of the open batch: each field that changes goes into its
    // trail like a header change, and its end is judged by the values then in force.
    bool setLoadRule(const LoadRule& rule, QString* error);
    // The rule proposed for the next batch: the last one set.
    LoadRule proposedRule() const;
    // The input scaling the station reads now.
    const InputScaling& scaling() const { return m_state.Scaling; }
    // 添加备注: a timestamped note on the open batch.
    bool addNote(const QString& text, QString* error = nullptr);
    // A timestamped event (kind, text) into the open batch's events and chain; false when no
    // batch is open. The alarm subsystem wires its transitions here.
    bool addEvent(const QString& kind, const QString& text);
    // A signature after the seal of a closed batch: printed name, meaning (审核 or 批准), an
    // optional comment, and the computer account's name.
    bool sign(std::int64_t batchId, const QString& printedName, const QString& meaning,
              const QString& comment, const QString& account, QString* error);

  signals:
    // A batch started, ended, or its header, notes or events changed.
    void batchesChanged();
    // A batch began (its start entry is in the chain), or was closed, evaluated and sealed.
    void batchStarted(const vt::BatchSummary& batch);
    void batchClosed(const vt::BatchSummary& batch, const vt::BatchEvaluation& evaluation);
    // The records file became unusable (with the reason) or usable again (empty).
    void problemChanged(const QString& problem);
    void recordAppended();

  private:
    enum class Start { Auto, Late, Manual };
    bool begin(Start how, BatchHeader header, QString* error, std::int64_t startedMs = 0);
    void capture(const QString& phase, std::function<void()> then = {});
    void finishEnd();
    void sealNext();
    void seal(const ClosingResult& result);
    // `work` in one transaction of the records file; false (the file given up) when it failed.
    bool inTransaction(const std::function<bool()>& work);
    bool endedInChain();
    bool append(const QByteArray& kind, const QJsonObject& payload, std::int64_t timeMs = 0);
    // A change of a header or load field (key, caption, old, new) into the open batch's trail.
    void appendChange(const QString& key, const QString& caption, const QString& old,
                      const QString& now);
    bool appendTo(std::int64_t batch, std::int64_t& seq, QByteArray& head, const QByteArray& kind,
                  const QJsonObject& payload, std::int64_t timeMs);
    void loadOpenBatch();
    void failed(const QString& problem);
    // `why` empty: the connection's last error.
    void writeFailed(QString why = {});
    void retryFile();
    std::int64_t now() const;
    // Values proposed for the next batch, kept in the records file under `key`.
    void remember(const QString& key, const QJsonObject& values);
    QJsonObject remembered(const QString& key) const;

    ControllerState& m_state;
    RecordsFile m_file;
    std::unique_ptr<BatchStore> m_store;
    Clock m_clock;
    ControllerLink* m_link = nullptr;
    QString m_databasePath;
    QString m_problem;
    QTimer m_retry;
    bool m_autoStart = true;
    double m_timeScale = 1.0;

    std::optional<BatchSummary> m_open;
    std::int64_t m_seq = 0;
    QByteArray m_head;
    bool m_ending = false;
    int m_lastState = -1;  // not seen since the file opened
    int m_lastSegment = -1;
    bool m_holdAutoStart = false;  // ended by hand while the run goes on
    bool m_endAsked = false;       // survives a file failure during the end
    // A run that began while the last batch's end capture was read: its batch starts then.
    std::optional<std::int64_t> m_queuedStartMs;
    std::vector<std::int64_t> m_unsealed;
    BatchCloser m_closer;
};

}  // namespace vt
