#include "zlib_stream.h"

#include <zlib.h>

#include <algorithm>
#include <future>
#include <thread>
#include <vector>

namespace vt {

namespace {

constexpr qsizetype kMinSlice = 1 << 20;
constexpr int kLevel = 1;
constexpr int kRawWindowBits = -15;  // raw deflate: the header and checksum are written here

struct Slice {
    QByteArray deflated;
    uLong adler = 0;
    qsizetype size = 0;
};

// One slice as raw deflate; the last one finishes the stream, the others end in a sync flush.
Slice Deflate(const char* data, qsizetype size, bool last) {
    Slice slice{{},
                adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data), uInt(size)),
                size};
    z_stream z{};
    deflateInit2(&z, kLevel, Z_DEFLATED, kRawWindowBits, 8, Z_DEFAULT_STRATEGY);
    slice.deflated.resize(qsizetype(deflateBound(&z, uLong(size))) + 16);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    z.avail_in = uInt(size);
    z.next_out = reinterpret_cast<Bytef*>(slice.deflated.data());
    z.avail_out = uInt(slice.deflated.size());
    deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
    slice.deflated.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return slice;
}

}  // namespace

QByteArray ZlibStream(const QByteArray& data) {
    const qsizetype cores = std::max(1u, std::thread::hardware_concurrency());
    const qsizetype count = std::clamp<qsizetype>(data.size() / kMinSlice, 1, cores);
    const qsizetype length = (data.size() + count - 1) / count;
    std::vector<std::future<Slice>> slices;
    for (qsizetype at = 0, n = 0; n < count; ++n, at += length) {
        const qsizetype size = std::clamp<qsizetype>(data.size() - at, 0, length);
        slices.push_back(
            std::async(std::launch::async, Deflate, data.constData() + at, size, n == count - 1));
    }
    QByteArray out("\x78\x01", 2);  // deflate, 32 KiB window, fastest level
    uLong adler = adler32(0, nullptr, 0);
    for (std::future<Slice>& future : slices) {
        const Slice slice = future.get();
        out += slice.deflated;
        adler = adler32_combine(adler, slice.adler, z_off_t(slice.size));
    }
    for (int shift = 24; shift >= 0; shift -= 8) out += char((adler >> shift) & 0xff);
    return out;
}

}  // namespace vt
