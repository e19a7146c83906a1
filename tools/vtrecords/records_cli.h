#pragma once

#include <QStringList>
#include <QTextStream>

namespace vt {

// The commands of `vtrecords` on a records file, for scripts and auditors (no display):
//   list                      one line per batch: number, start, end, records, verdict, integrity
//   verify [NUMBER | FILE]    exit 0 when every chain (that batch's, that export's, the one
//                             attached to a FILE.pdf report and matching the head it prints)
//                             holds, 1 naming the batch and first bad entry when one does not
//   export NUMBER -o FILE.csv the batch's records
//   chain NUMBER -o FILE      the batch's whole chain in its self-contained export form
//   report NUMBER -o FILE.pdf the batch report, the chain attached (no file left on failure)
// Exit 2 with a message when the file is not a records file or the arguments are wrong.
int RunRecordsCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace vt
