#pragma once

#include <QString>

#include "ring_record.h"

// Every statement the station sends to its database, in one place. Numbers are bound to the
// `?` placeholders in their order. A `between` range always gets its smaller bound first:
// SQLite finds nothing in a range whose bounds are reversed.
namespace vt::queries {

// The ring positions: "select * from  sl_void"; the newest id of a ring is in column
// PositionColumn(ring) (0 for the one-second ring, 2 for the ten-second ring).
QString ReadPositions();
int PositionColumn(Ring ring);

// Sets both position fields of one ring: newest id, newest id.
QString WritePosition(Ring ring);
// Adds the positions record when the table has lost it: the four fields in order.
QString AddPositions();

// Writes one record (id, date, time, eight values) over the record with that id, or adds it.
QString WriteRecord(Ring ring);

// Records with ids from .. to (inclusive), oldest first.
QString WindowBetween(Ring ring);
// Records with ids outside from .. to, oldest first (a window that wraps past the last id).
QString WindowNotBetween(Ring ring);

// The number of records with ids from .. to (inclusive).
QString CountBetween(Ring ring);
// Up to `limit` records with ids above `after` and up to `last`, in id order: after, last, limit.
QString PageAfter(Ring ring);

// The saved link settings: "select * from  Charge_Data" (fields 1, 2, 6, 7), and the update
// of those four fields (port index, baud code, parity code, address index) of the first record.
QString ReadLinkSettings();
QString WriteLinkSettings();

// The journal of writes (table write_journal, columns as schema::CreateWriteJournal lists them).
// A new entry, sent and its result not known yet: date, time, window, coil, number, caption,
// value before, value sent, value entered.
QString JournalAdd();
// Drops the entries with ids up to the one given (the oldest, beyond the journal's capacity).
QString JournalTrim();
// The result of entry `id`: outcome, result code, retry outcome, retry code, id.
QString JournalResult();
// Up to `limit` entries of one date with ids below a given one, newest first: date, id, limit.
QString JournalPageOfDay();
// Up to `limit` entries dated before one date and from date `first` on, newest first (by date,
// then by id): date, first, limit.
QString JournalPageBefore();
// The number of entries dated from .. to (inclusive).
QString JournalCount();
// The date of the oldest entry (null when there is none).
QString JournalFirstDate();
// The journal's connection leaves copying the log back into the file to JournalCheckpoint,
// which copies what it can without waiting for anyone.
QString NoAutomaticCheckpoint();
QString JournalCheckpoint();

}  // namespace vt::queries
