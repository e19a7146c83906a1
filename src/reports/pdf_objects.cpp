#include "pdf_objects.h"

#include <QByteArrayView>
#include <QRegularExpression>

namespace vt {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}
bool IsDelimiter(char c) {
    return IsSpace(c) || c == '/' || c == '<' || c == '>' || c == '[' || c == ']' || c == '(' ||
           c == ')';
}

qsizetype SkipSpaces(const QByteArray& s, qsizetype i) {
    while (i < s.size() && IsSpace(s[i])) ++i;
    return i;
}

// End (exclusive) of the literal string opening at `i`: nested brackets balance, a backslash
// escapes the next byte.
qsizetype StringEnd(const QByteArray& s, qsizetype i) {
    int parens = 0;
    for (; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
        } else if (s[i] == '(') {
            ++parens;
        } else if (s[i] == ')' && --parens == 0) {
            return i + 1;
        }
    }
    return s.size();
}

// End (exclusive) of the balanced group opening at `i` with `open`, closing with `close`.
qsizetype GroupEnd(const QByteArray& s, qsizetype i, QByteArrayView open, QByteArrayView close) {
    int depth = 0;
    while (i < s.size()) {
        const QByteArrayView rest = QByteArrayView(s).sliced(i);
        if (s[i] == '(') {  // a string may hold brackets
            i = StringEnd(s, i);
        } else if (rest.startsWith(open)) {
            ++depth;
            i += open.size();
        } else if (rest.startsWith(close)) {
            i += close.size();
            if (--depth == 0) return i;
        } else {
            ++i;
        }
    }
    return s.size();
}

}  // namespace

qsizetype ValueEnd(const QByteArray& s, qsizetype i) {
    if (i >= s.size()) return i;
    if (s.sliced(i).startsWith("<<")) return GroupEnd(s, i, "<<", ">>");
    if (s[i] == '[') return GroupEnd(s, i, "[", "]");
    if (s[i] == '(') return StringEnd(s, i);
    if (s[i] == '<') return s.indexOf('>', i) + 1;
    qsizetype j = i + 1;
    while (j < s.size() && !IsDelimiter(s[j])) ++j;
    // "N G R": a reference spans three tokens.
    static const QRegularExpression ref(QStringLiteral("^\\s+\\d+\\s+R\\b"));
    const QRegularExpressionMatch m = ref.match(QString::fromLatin1(s.mid(j, 24)));
    if (s[i] >= '0' && s[i] <= '9' && m.hasMatch()) j += m.capturedLength();
    return j;
}

QByteArray DictValue(const QByteArray& dict, const QByteArray& key) {
    // Walk the dictionary's own keys only, so a key inside a nested value is not taken.
    qsizetype i = dict.indexOf("<<");
    if (i < 0) return {};
    i += 2;
    while (true) {
        i = SkipSpaces(dict, i);
        if (i >= dict.size() || dict.sliced(i).startsWith(">>")) return {};
        const qsizetype keyEnd = ValueEnd(dict, i);
        const QByteArray name = dict.mid(i, keyEnd - i);
        const qsizetype valueStart = SkipSpaces(dict, keyEnd);
        const qsizetype valueEnd = ValueEnd(dict, valueStart);
        if (name == key) return dict.mid(valueStart, valueEnd - valueStart);
        if (valueEnd <= i) return {};
        i = valueEnd;
    }
}

std::optional<int> Reference(const QByteArray& value) {
    static const QRegularExpression ref(QStringLiteral("^\\s*(\\d+)\\s+\\d+\\s+R\\s*$"));
    const QRegularExpressionMatch m = ref.match(QString::fromLatin1(value));
    if (!m.hasMatch()) return std::nullopt;
    return m.captured(1).toInt();
}

PdfObjects::PdfObjects(QByteArray bytes) : m_bytes(std::move(bytes)) {
    const qsizetype start = m_bytes.lastIndexOf("startxref");
    if (start < 0) return;
    bool ok = false;
    const qsizetype offset =
        m_bytes.mid(start + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || !readXref(offset)) m_offsets.clear();
    m_xref = offset;
}

// One cross-reference section and its trailer, then the older sections it names (/Prev); the
// newest definition of an object wins.
bool PdfObjects::readXref(qsizetype offset) {
    for (int sections = 0; offset > 0 && sections < 64; ++sections) {
        if (offset >= m_bytes.size() || !m_bytes.sliced(offset).startsWith("xref")) return false;
        qsizetype i = offset + 4;
        const qsizetype trailer = m_bytes.indexOf("trailer", i);
        if (trailer < 0) return false;
        const QList<QByteArray> lines = m_bytes.mid(i, trailer - i).simplified().split(' ');
        for (qsizetype k = 0; k + 1 < lines.size();) {
            const int first = lines[k].toInt();
            const int count = lines[k + 1].toInt();
            k += 2;
            for (int n = 0; n < count && k + 2 < lines.size(); ++n, k += 3)
                if (lines.value(k + 2) == "n" && !m_offsets.contains(first + n))
                    m_offsets.insert(first + n, lines[k].toLongLong());
        }
        const QByteArray dict = m_bytes.mid(
            trailer + 7, ValueEnd(m_bytes, SkipSpaces(m_bytes, trailer + 7)) - trailer - 7);
        if (m_trailer.isEmpty()) m_trailer = dict;
        bool ok = false;
        offset = DictValue(dict, "/Prev").toLongLong(&ok);
        if (!ok) break;
    }
    return true;
}

qsizetype PdfObjects::bodyStart(int number) const {
    const qsizetype offset = m_offsets.value(number, -1);
    if (offset < 0 || offset >= m_bytes.size()) return -1;
    const qsizetype obj = m_bytes.indexOf("obj", offset);
    return obj < 0 ? -1 : obj + 3;
}

QByteArray PdfObjects::object(int number) const {
    const qsizetype start = bodyStart(number);
    if (start < 0) return {};
    const qsizetype valueStart = SkipSpaces(m_bytes, start);
    return m_bytes.mid(valueStart, ValueEnd(m_bytes, valueStart) - valueStart);
}

QByteArray PdfObjects::resolve(const QByteArray& value) const {
    const std::optional<int> ref = Reference(value);
    return ref ? object(*ref) : value;
}

std::optional<QByteArray> PdfObjects::stream(int number) const {
    const qsizetype start = bodyStart(number);
    if (start < 0) return std::nullopt;
    const qsizetype dictStart = SkipSpaces(m_bytes, start);
    const qsizetype dictEnd = ValueEnd(m_bytes, dictStart);
    const QByteArray dict = m_bytes.mid(dictStart, dictEnd - dictStart);
    qsizetype data = SkipSpaces(m_bytes, dictEnd);
    if (data >= m_bytes.size() || !m_bytes.sliced(data).startsWith("stream")) return std::nullopt;
    data += 6;
    if (data < m_bytes.size() && m_bytes[data] == '\r') ++data;
    if (data < m_bytes.size() && m_bytes[data] == '\n') ++data;
    bool ok = false;
    const qsizetype length = resolve(DictValue(dict, "/Length")).trimmed().toLongLong(&ok);
    if (!ok || length < 0 || data + length > m_bytes.size()) return std::nullopt;
    const QByteArray raw = m_bytes.mid(data, length);
    const QByteArray filter = DictValue(dict, "/Filter");
    if (filter.isEmpty() || raw.isEmpty()) return raw;
    if (filter != "/FlateDecode") return std::nullopt;
    // qUncompress wants the size first; it grows its buffer when the guess is short.
    QByteArray framed(4, '\0');
    const quint32 guess = quint32(std::min<qsizetype>(raw.size() * 4 + 64, 0x7fffffff));
    for (int b = 0; b < 4; ++b) framed[b] = char((guess >> (24 - 8 * b)) & 0xff);
    framed += raw;
    QByteArray decoded = qUncompress(framed);
    if (decoded.isEmpty() && !raw.isEmpty()) return std::nullopt;
    return decoded;
}

}  // namespace vt
