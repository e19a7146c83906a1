#include "records_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

#include "minute_table.h"
#include "sqlite_statement.h"
#include "wal_checkpoint.h"

namespace vt {

namespace {

const QString kFormat = QStringLiteral("vt5800-records");
constexpr int kBusyTimeoutMs = 5000;

QString UniqueConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("records.%1").arg(++counter);
}

const char* const kSchema[] = {
    "create table if not exists meta (key TEXT PRIMARY KEY, value TEXT)",
    "create table if not exists batches (id INTEGER PRIMARY KEY, number TEXT NOT NULL UNIQUE, "
    "manual INTEGER NOT NULL, late INTEGER NOT NULL, started_ms INTEGER NOT NULL, "
    "ended_ms INTEGER, part TEXT DEFAULT '', header TEXT NOT NULL, "
    "sensor INTEGER NOT NULL, band REAL NOT NULL, time_tolerance REAL NOT NULL, "
    "time_scale REAL NOT NULL DEFAULT 1, "
    "journal_mark INTEGER NOT NULL DEFAULT 0, verdict TEXT DEFAULT '', "
    "integrity TEXT DEFAULT '', record_count INTEGER NOT NULL DEFAULT 0, seal TEXT)",
    "create index if not exists batches_by_start on batches (started_ms)",
    "create table if not exists records (batch INTEGER NOT NULL, seq INTEGER NOT NULL, "
    "t INTEGER NOT NULL, r_date REAL, r_time REAL, v1 REAL, v2 REAL, v3 REAL, v4 REAL, v5 REAL, "
    "v6 REAL, v7 REAL, v8 REAL, hash BLOB NOT NULL, PRIMARY KEY (batch, seq)) WITHOUT ROWID",
    "create table if not exists entries (batch INTEGER NOT NULL, seq INTEGER NOT NULL, "
    "kind TEXT NOT NULL, t INTEGER NOT NULL, payload TEXT NOT NULL, hash BLOB NOT NULL, "
    "PRIMARY KEY (batch, seq)) WITHOUT ROWID",
    "create table if not exists settings (key TEXT PRIMARY KEY, value TEXT)",
};

}  // namespace

RecordsFile::RecordsFile(QString path, Mode mode) : m_path(std::move(path)), m_mode(mode) {}

RecordsFile::~RecordsFile() { close(); }

QString RecordsFile::besideDatabase(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("Records.db"));
}

bool RecordsFile::open() {
    close();
    m_problem.clear();
    m_keptAside.clear();
    m_heldElsewhere = false;
    if (m_mode == Mode::Station) {
        m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
        m_lock->setStaleLockTime(0);
        if (!m_lock->tryLock(0)) {
            m_heldElsewhere = m_lock->error() == QLockFile::LockFailedError;
            const QString why = m_heldElsewhere
                                    ? QStringLiteral("另一个站点正在使用记录文件 %1").arg(m_path)
                                    : QStringLiteral("记录文件 %1 无法加锁").arg(m_path);
            m_lock.reset();
            return fail(why);
        }
    } else if (!QFileInfo::exists(m_path)) {
        return fail(QStringLiteral("记录文件不存在: %1").arg(m_path));
    }
    if (!openConnection()) return false;
    if (m_mode == Mode::Reader)
        return isRecordsFile() || fail(QStringLiteral("不是记录文件: %1").arg(m_path));
    return (isRecordsFile() || (keepAside() && openConnection() && createSchema())) &&
           prepareStation();
}

bool RecordsFile::prepareStation() {
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("pragma synchronous=NORMAL")) ||
        !q.exec(QLatin1String(MinuteTableSchema())))
        return fail(QStringLiteral("记录文件无法写入: %1").arg(q.lastError().text()));
    m_checkpoint = std::make_unique<WalCheckpoint>(SqliteHandle(database()), m_path);
    return true;
}

bool RecordsFile::openConnection() {
    if (!m_connection.isEmpty()) {
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_connection = UniqueConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (m_mode == Mode::Reader) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) return fail(QStringLiteral("记录文件无法打开: %1").arg(db.lastError().text()));
    return true;
}

bool RecordsFile::isRecordsFile() {
    QString format;
    int tables = -1;
    {
        QSqlQuery q(database());
        if (q.exec(QStringLiteral("select value from meta where key='format'")) && q.next())
            format = q.value(0).toString();
        QSqlQuery count(database());
        if (count.exec(QStringLiteral("select count(*) from sqlite_master")) && count.next())
            tables = count.value(0).toInt();
    }
    if (!format.isEmpty()) return format == kFormat;
    // A file SQLite made just now (or an empty one) becomes a new records file.
    return m_mode == Mode::Station && tables == 0 && QFileInfo(m_path).size() == 0 &&
           createSchema();
}

bool RecordsFile::keepAside() {
    database().close();
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QStringLiteral(".kept-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".kept-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(m_path, aside))
        return fail(QStringLiteral("记录文件已损坏且无法移开: %1").arg(m_path));
    for (const char* suffix : {"-wal", "-shm"})
        QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    m_keptAside = aside;
    return true;
}

bool RecordsFile::createSchema() {
    QSqlDatabase db = database();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("pragma journal_mode=WAL")))
        return fail(QStringLiteral("记录文件无法写入: %1").arg(q.lastError().text()));
    db.transaction();
    for (const char* statement : kSchema) {
        if (!q.exec(QLatin1String(statement))) {
            db.rollback();
            return fail(QStringLiteral("记录文件无法写入: %1").arg(q.lastError().text()));
        }
    }
    q.prepare(
        QStringLiteral("insert or ignore into meta (key, value) values ('format', ?), "
                       "('version', '1')"));
    q.addBindValue(kFormat);
    if (!q.exec() || !db.commit()) {
        db.rollback();
        return fail(QStringLiteral("记录文件无法写入: %1").arg(q.lastError().text()));
    }
    return true;
}

bool RecordsFile::fail(const QString& problem) {
    m_problem = problem;
    m_checkpoint.reset();
    if (!m_connection.isEmpty()) {
        database().close();
        QSqlDatabase::removeDatabase(m_connection);
        m_connection.clear();
    }
    m_lock.reset();
    return false;
}

bool RecordsFile::isOpen() const { return !m_connection.isEmpty() && database().isOpen(); }

void RecordsFile::close() {
    m_checkpoint.reset();
    if (!m_connection.isEmpty()) {
        database().close();
        QSqlDatabase::removeDatabase(m_connection);
        m_connection.clear();
    }
    m_lock.reset();
}

QSqlDatabase RecordsFile::database() const {
    return m_connection.isEmpty() ? QSqlDatabase() : QSqlDatabase::database(m_connection, false);
}

}  // namespace vt
