#include "webgraph/WebGraphFormat.h"

#include <bit>
#include <cstring>

namespace WebGraphFormat {

namespace {

constexpr char magic[8] = {'Q', 'V', 'X', 'W', 'G', 'R', 'P', 'H'};
constexpr quint32 ranksFlag = 1;

constexpr quint64 multiplier0 = 0x9E3779B97F4A7C15ull;
constexpr quint64 multiplier1 = 0xC2B2AE3D27D4EB4Full;

quint64 finalMix(quint64 h)
{
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return h;
}

quint64 hashBytes(QByteArrayView bytes, quint64 seed)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    quint64 h = seed ^ (quint64(left) * multiplier0);
    while (left >= 8) {
        h = std::rotl(h ^ (qFromLittleEndian<quint64>(p) * multiplier1), 31) * multiplier0;
        p += 8;
        left -= 8;
    }
    if (left > 0) {
        uchar tail[8] = {};
        std::memcpy(tail, p, size_t(left));
        h = std::rotl(h ^ (qFromLittleEndian<quint64>(tail) * multiplier1), 31) * multiplier0;
    }
    return finalMix(h);
}

quint64 alignedTo8(quint64 offset)
{
    return (offset + 7) & ~quint64(7);
}

void putU32(QByteArray& bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void putU64(QByteArray& bytes, qsizetype at, quint64 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// Field offsets of the header.
enum : qsizetype {
    versionAt = 8,
    headerBytesAt = 12,
    levelAt = 16,
    flagsAt = 20,
    vertexCountAt = 24,
    edgeCountAt = 32,
    namesBytesAt = 40,
    overflowCountAt = 48,
    idBitsAt = 56,
    bucketBitsAt = 60,
    fileBytesAt = 64,
    releaseLengthAt = 72,
    releaseAt = 73,
};

bool isPrintableAscii(QByteArrayView text)
{
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

} // namespace

quint64 nameBlockCount(quint64 vertexCount)
{
    return (vertexCount + namesPerBlock - 1) / namesPerBlock;
}

quint64 bucketCount(int bucketBits)
{
    return quint64(1) << bucketBits;
}

int idBitsFor(quint64 vertexCount)
{
    // Ids run to vertexCount - 1, so the all-ones id never occurs.
    return qMax(1, int(std::bit_width(vertexCount)));
}

int bucketBitsFor(quint64 vertexCount)
{
    const quint64 buckets = std::bit_floor(qMax<quint64>(1, vertexCount / keysPerBucket));
    return std::countr_zero(buckets);
}

Layout layoutOf(const Header& header)
{
    const quint64 n = header.vertexCount;
    Layout layout;
    layout.names = headerBytes;
    layout.nameBlocks = alignedTo8(layout.names + header.namesBytes);
    layout.buckets = layout.nameBlocks + 8 * (nameBlockCount(n) + 1);
    layout.keys = layout.buckets + 8 * (bucketCount(header.bucketBits) + 1);
    layout.counts = layout.keys + 8 * n;
    layout.overflow = alignedTo8(layout.counts + 4 * n);
    layout.positions = layout.overflow + 16 * header.overflowCount;
    layout.end = layout.positions + (header.hasRanks ? 8 * n : 0);
    return layout;
}

quint64 nameHash(QByteArrayView name)
{
    return hashBytes(name, 0x5157585747524150ull);
}

quint64 headerChecksum(QByteArrayView bytes)
{
    return hashBytes(bytes.first(checksumOffset), 0x434845434B53554Dull);
}

QByteArray encodeHeader(const Header& header)
{
    QByteArray bytes(qsizetype(headerBytes), '\0');
    std::memcpy(bytes.data(), magic, sizeof magic);
    putU32(bytes, versionAt, version);
    putU32(bytes, headerBytesAt, quint32(headerBytes));
    putU32(bytes, levelAt, quint32(header.level));
    putU32(bytes, flagsAt, header.hasRanks ? ranksFlag : 0);
    putU64(bytes, vertexCountAt, header.vertexCount);
    putU64(bytes, edgeCountAt, header.edgeCount);
    putU64(bytes, namesBytesAt, header.namesBytes);
    putU64(bytes, overflowCountAt, header.overflowCount);
    putU32(bytes, idBitsAt, quint32(header.idBits));
    putU32(bytes, bucketBitsAt, quint32(header.bucketBits));
    putU64(bytes, fileBytesAt, header.fileBytes);
    const QByteArray release = header.release.left(releaseCapacity);
    bytes[releaseLengthAt] = char(release.size());
    std::memcpy(bytes.data() + releaseAt, release.constData(), size_t(release.size()));
    putU64(bytes, checksumOffset, headerChecksum(bytes));
    return bytes;
}

std::optional<Header> decodeHeader(QByteArrayView bytes, HeaderProblem* problem)
{
    const auto fail = [problem](HeaderProblem why) {
        *problem = why;
        return std::nullopt;
    };
    if (bytes.size() < qsizetype(sizeof magic) || std::memcmp(bytes.data(), magic, sizeof magic) != 0)
        return fail(HeaderProblem::NotAnIndex);
    if (bytes.size() < qsizetype(headerBytes))
        return fail(HeaderProblem::Damaged);
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    // The version comes before the checksum: a header of another version
    // may be laid out otherwise.
    const quint32 fileVersion = readU32(at + versionAt);
    if (fileVersion < version)
        return fail(HeaderProblem::OlderVersion);
    if (fileVersion > version)
        return fail(HeaderProblem::NewerVersion);
    if (readU64(at + checksumOffset) != headerChecksum(bytes) || readU32(at + headerBytesAt) != headerBytes)
        return fail(HeaderProblem::Damaged);

    Header header;
    const quint32 level = readU32(at + levelAt);
    const quint32 flags = readU32(at + flagsAt);
    header.level = Level(level);
    header.hasRanks = flags & ranksFlag;
    header.vertexCount = readU64(at + vertexCountAt);
    header.edgeCount = readU64(at + edgeCountAt);
    header.namesBytes = readU64(at + namesBytesAt);
    header.overflowCount = readU64(at + overflowCountAt);
    header.idBits = int(readU32(at + idBitsAt));
    header.bucketBits = int(readU32(at + bucketBitsAt));
    header.fileBytes = readU64(at + fileBytesAt);
    const int releaseLength = uchar(bytes[releaseLengthAt]);
    header.release = bytes.sliced(releaseAt, qMin(releaseLength, int(releaseCapacity))).toByteArray();

    const bool sane = (level == quint32(Level::Domain) || level == quint32(Level::Host)) && (flags & ~ranksFlag) == 0 &&
                      header.vertexCount >= 1 && header.vertexCount <= maxVertexCount &&
                      header.namesBytes <= maxNamesBytes && header.overflowCount <= header.vertexCount &&
                      header.idBits == idBitsFor(header.vertexCount) &&
                      header.bucketBits == bucketBitsFor(header.vertexCount) && releaseLength <= releaseCapacity &&
                      isPrintableAscii(header.release) && layoutOf(header).end == header.fileBytes;
    if (!sane)
        return fail(HeaderProblem::Damaged);
    *problem = HeaderProblem::None;
    return header;
}

} // namespace WebGraphFormat
