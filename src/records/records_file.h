#pragma once

#include <QLockFile>
#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace vt {

class WalCheckpoint;

// The records file: its own SQLite file (WAL journal) holding every batch with its records and
// chain. Nothing in it is ever overwritten or deleted by the station. A file that exists but is
// not a records file (corrupt or foreign) is kept aside under a new name and a new one is made;
// a file another station holds (its lock file beside it) is refused.
class RecordsFile {
  public:
    enum class Mode {
        Station,  // create when missing, keep a bad file aside, hold the lock
        Reader,   // open what is there; a missing or foreign file is an error; no lock
    };

    RecordsFile(QString path, Mode mode);
    ~RecordsFile();
    RecordsFile(const RecordsFile&) = delete;
    RecordsFile& operator=(const RecordsFile&) = delete;

    // Opens (and for a station prepares) the file; false with problem() when it cannot be used.
    bool open();
    bool isOpen() const;
    void close();
    // "Records.db" beside the station database.
    static QString besideDatabase(const QString& databasePath);

    const QString& path() const { return m_path; }
    const QString& problem() const { return m_problem; }
    // Where a bad file was kept aside on the last open (empty when none was).
    const QString& keptAside() const { return m_keptAside; }
    // True when the last open failed because another station holds the file.
    bool heldElsewhere() const { return m_heldElsewhere; }

    QSqlDatabase database() const;

  private:
    bool openConnection();
    bool isRecordsFile();
    bool keepAside();
    bool createSchema();
    // Per connection: how the station writes (the log copied back on a thread of its own), and
    // the tables later versions added.
    bool prepareStation();
    bool fail(const QString& problem);

    QString m_path;
    Mode m_mode;
    QString m_connection;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<WalCheckpoint> m_checkpoint;
    QString m_problem;
    QString m_keptAside;
    bool m_heldElsewhere = false;
};

}  // namespace vt
