#pragma once

#include <QByteArray>

namespace vt {

// `data` as one zlib stream (what a PDF's /FlateDecode reads) at zlib's fastest level, deflated
// in slices on as many threads as the machine has cores: each slice ends on a byte boundary
// (a sync flush), so the slices joined are one valid stream, and their checksums combine.
QByteArray ZlibStream(const QByteArray& data);

}  // namespace vt
