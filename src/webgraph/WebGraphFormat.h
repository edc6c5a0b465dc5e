#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtEndian>

#include <optional>

// The index file of a web graph, one owner for its layout. All numbers are
// little-endian. After a 256-byte header come, each starting on a multiple
// of 8 bytes:
//   names        every vertex's reversed name and a '\n', by id
//   name blocks  u64 offset into the names of every 16th id, and the names' end
//   buckets      u64 first key of each hash bucket, and the key count
//   keys         u64 per vertex: the name hash with its low bits replaced by
//                the id, sorted, so a bucket's keys are the names hashing there
//   counts       u32 in-degree per id; countOverflow means "see the overflow"
//   overflow     (u64 id, u64 in-degree) pairs, by id, for in-degrees too big
//                for the counts
//   positions    u64 harmonic-centrality position per id, 0 for none (only
//                when the graph came with ranks)
namespace WebGraphFormat {

enum class Level : quint32 { Domain = 1, Host = 2 };

constexpr quint32 version = 1;
constexpr quint64 headerBytes = 256;
constexpr quint64 namesPerBlock = 16;
constexpr quint64 keysPerBucket = 8;
constexpr quint32 countOverflow = 0xFFFFFFFFu;
constexpr qsizetype releaseCapacity = 127;

struct Header
{
    Level level = Level::Domain;
    bool hasRanks = false;
    quint64 vertexCount = 0;
    quint64 edgeCount = 0; // edge lines counted; the in-degrees' sum for counts made elsewhere
    quint64 namesBytes = 0;
    quint64 overflowCount = 0;
    int idBits = 1;
    int bucketBits = 0;
    quint64 fileBytes = 0;
    QByteArray release; // printable ASCII, at most releaseCapacity bytes
};

// Where each part of the file starts, worked out from the header's sizes.
struct Layout
{
    quint64 names = 0;
    quint64 nameBlocks = 0;
    quint64 buckets = 0;
    quint64 keys = 0;
    quint64 counts = 0;
    quint64 overflow = 0;
    quint64 positions = 0;
    quint64 end = 0;
};

// Sizes beyond these are a damaged header (and keep the layout's sums far
// from overflowing).
constexpr quint64 maxVertexCount = quint64(1) << 40;
constexpr quint64 maxNamesBytes = quint64(1) << 48;

Layout layoutOf(const Header& header);
quint64 nameBlockCount(quint64 vertexCount);
quint64 bucketCount(int bucketBits);

// Bits of a key holding the id, and of the hash choosing the bucket, for a
// graph of this many vertices.
int idBitsFor(quint64 vertexCount);
int bucketBitsFor(quint64 vertexCount);

// The bucket of a name's hash, and the part of a key compared with it.
inline quint64 bucketOf(quint64 hash, int bucketBits)
{
    return bucketBits == 0 ? 0 : hash >> (64 - bucketBits);
}
inline quint64 idMask(int idBits)
{
    return (quint64(1) << idBits) - 1;
}

// A 64-bit hash of a name; the same on every platform.
quint64 nameHash(QByteArrayView name);

// The header's 256 bytes, its checksum in the last eight.
QByteArray encodeHeader(const Header& header);
enum class HeaderProblem { None, NotAnIndex, OlderVersion, NewerVersion, Damaged };
// Reads and checks a header; `problem` says why there is none.
std::optional<Header> decodeHeader(QByteArrayView bytes, HeaderProblem* problem);
// The checksum of a header's first 248 bytes, as encodeHeader stores it.
quint64 headerChecksum(QByteArrayView bytes);
constexpr qsizetype checksumOffset = 248;

inline quint64 readU64(const uchar* at)
{
    return qFromLittleEndian<quint64>(at);
}
inline quint32 readU32(const uchar* at)
{
    return qFromLittleEndian<quint32>(at);
}

} // namespace WebGraphFormat
