#pragma once

#include <QSqlDatabase>

namespace vt::schema {

// The four tables of the station's database. Every user reads fields by position; names
// matter only where a statement spells them.
//   pv_data      one-second ring:  w_id, w_date, w_time, eight values
//   Lpv_wdjl     ten-second ring:  LW_Id, W_Date, W_Time, W_D1..W_D7, an eighth value
//   sl_void      one record: newest pv_data id (fields 0, 1), newest Lpv_wdjl id (fields 2, 3)
//   Charge_Data  one record: 1 port index, 2 baud code, 6 parity code, 7 address index
// Dates are day serials and times fractions of a day, both REAL.

// Columns of sl_void: the newest id of each ring, kept twice.
inline constexpr const char* kSecondIdColumns[2] = {"pv_id", "pv_id_copy"};
inline constexpr const char* kTenSecondIdColumns[2] = {"lpv_id", "lpv_id_copy"};

// Columns of Charge_Data at positions 0..7.
inline constexpr const char* kLinkColumns[8] = {"record_no",   "port_index",   "baud_code",
                                                "spare_3",     "spare_4",      "spare_5",
                                                "parity_code", "address_index"};

// Creates the four tables and their single records in one transaction. False (logged) when
// any statement fails; nothing is left half made.
bool CreateStationTables(QSqlDatabase& db);

// The journal of writes, the station's own table beside the four, in this column order:
//   id, w_date, w_time, window_name, coil (0 holding register, 1 coil), number, caption,
//   value_before (null: not known), value_sent, value_entered, outcome, result_code,
//   retry_outcome and retry_code (both null: not sent again)
// with an index by date. Creates what is missing and leaves every other table alone; false
// (logged) on failure.
bool CreateWriteJournal(QSqlDatabase& db);

}  // namespace vt::schema
