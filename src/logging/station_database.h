#pragma once

#include <QCommandLineOption>
#include <QString>

#include "db_connection.h"

class QCommandLineParser;

namespace vt {

// The station's database file: where it is, making it when it is missing, and handing out
// connections to it. Nothing here throws or stops the station: a file that cannot be made or
// opened is logged and leaves every user with empty reads and failed writes.
class StationDatabase {
  public:
    explicit StationDatabase(QString path);

    // AppDataLocation/Rdatabj.db.
    static QString DefaultPath();
    // --database PATH chooses another file.
    static QCommandLineOption PathOption();
    // The file chosen on the command line, or the default one.
    static QString PathFrom(const QCommandLineParser& parser);

    const QString& path() const { return m_path; }

    // Makes a missing (or empty) file with its four tables and their single records, and
    // puts the file in WAL journal mode. An existing file's contents are left as they are.
    bool prepare() const;

    // A new named connection for one user; the user owns it (and closes it by dropping it).
    DbConnection connect(const QString& user) const;

  private:
    bool create() const;

    QString m_path;
};

}  // namespace vt
