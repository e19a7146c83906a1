#pragma once

#include <QByteArray>
#include <QHash>
#include <optional>

namespace vt {

// The objects of a PDF file with classic cross-reference tables (as a Qt PDF writer makes
// them, incremental updates included): an object's text, a dictionary's values, a stream's
// decoded bytes. Packed object streams and cross-reference streams are not read.
class PdfObjects {
  public:
    explicit PdfObjects(QByteArray bytes);

    bool valid() const { return !m_offsets.isEmpty(); }
    QByteArray trailer() const { return m_trailer; }
    // Where the newest cross-reference section starts (what an update's /Prev names).
    qsizetype xrefOffset() const { return m_xref; }
    // The text of object `number` between "obj" and "endobj" (or "stream").
    QByteArray object(int number) const;
    // The decoded data of stream object `number` (FlateDecode or unfiltered).
    std::optional<QByteArray> stream(int number) const;
    // The dictionary or value behind `value`: itself, or the object it refers to.
    QByteArray resolve(const QByteArray& value) const;

  private:
    bool readXref(qsizetype offset);
    qsizetype bodyStart(int number) const;

    QByteArray m_bytes;
    QHash<int, qsizetype> m_offsets;
    QByteArray m_trailer;
    qsizetype m_xref = -1;
};

// The raw text of the value of `key` in a dictionary ("12 0 R", "<< .. >>", "[ .. ]", "(..)",
// a name or a number); empty when absent.
QByteArray DictValue(const QByteArray& dict, const QByteArray& key);
// End (exclusive) of the value starting at `i` in `text`: a dictionary, array or string with
// what it nests, a reference, a name or a number.
qsizetype ValueEnd(const QByteArray& text, qsizetype i);
// The object number of an indirect reference "N G R"; nullopt when `value` is not one.
std::optional<int> Reference(const QByteArray& value);

}  // namespace vt
