#include "WebGraphGenerator.h"

#include "GzipFileWriter.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// Uniform numbers from a generator whose sequence is fixed by the standard,
// so a seed gives the same graph everywhere.
class Random
{
public:
    explicit Random(quint64 seed)
        : m_engine(seed)
    {}

    double unit() { return double(m_engine() >> 11) * 0x1.0p-53; }
    quint64 below(quint64 bound) { return std::min(bound - 1, quint64(unit() * double(bound))); }
    bool chance(double probability) { return unit() < probability; }

private:
    std::mt19937_64 m_engine;
};

struct Suffix
{
    const char* reversed;
    int weight;
};

// Top-level and registered suffixes, reversed, weighted roughly as on the web.
constexpr Suffix suffixes[] = {
    {"com", 400},  {"org", 60}, {"net", 50},       {"de", 60},     {"uk.co", 40}, {"uk.org", 8}, {"uk.ac", 4},
    {"jp.co", 15}, {"jp", 10},  {"au.com", 15},    {"br.com", 15}, {"ru", 30},    {"fr", 20},    {"nl", 20},
    {"it", 15},    {"pl", 15},  {"xn--p1ai", 8},   {"cn.com", 8},  {"ac.gov", 2}, {"io", 10},    {"info", 10},
    {"es", 10},    {"ch", 8},   {"xn--fiqs8s", 4}, {"in.co", 6},   {"tr.com", 6},
};

constexpr const char* syllables[] = {"ka",   "lo", "mi",   "net", "shop", "web", "tech", "ra",  "zu",  "bel",
                                     "star", "on", "tri",  "ver", "so",   "lux", "a",    "del", "pro", "fix",
                                     "news", "go", "blue", "tor", "xi",   "ya",  "mar",  "sol", "ab",  "eco"};
constexpr const char* hostLabels[] = {"www", "m", "blog", "shop", "mail", "news", "en", "de", "api", "static"};
constexpr const char* pairEndings[] = {"island", "shop", "online", "24", "group", "info"};

class NameMaker
{
public:
    explicit NameMaker(Random& random)
        : m_random(random)
    {
        for (const Suffix& suffix : suffixes)
            m_totalWeight += suffix.weight;
    }

    std::string label()
    {
        if (m_random.chance(0.03)) {
            std::string label = "xn--";
            const quint64 length = 5 + m_random.below(8);
            for (quint64 i = 0; i < length; ++i)
                label += "abcdefghijklmnopqrstuvwxyz0123456789"[m_random.below(36)];
            return label;
        }
        std::string label;
        const quint64 parts = 1 + m_random.below(3);
        for (quint64 i = 0; i < parts; ++i) {
            if (i > 0 && m_random.chance(0.15))
                label += '-';
            label += syllables[m_random.below(std::size(syllables))];
        }
        if (m_random.chance(0.05))
            label += std::to_string(m_random.below(100));
        return label;
    }

    std::string domain()
    {
        int pick = int(m_random.below(quint64(m_totalWeight)));
        const Suffix* suffix = suffixes;
        while (pick >= suffix->weight)
            pick -= (suffix++)->weight;
        return std::string(suffix->reversed) + '.' + label();
    }

    std::string host(const std::string& domain)
    {
        if (m_random.chance(0.3))
            return domain;
        const bool known = m_random.chance(0.7);
        return domain + '.' + (known ? std::string(hostLabels[m_random.below(std::size(hostLabels))]) : label());
    }

    std::string pairEnding() { return pairEndings[m_random.below(std::size(pairEndings))]; }

private:
    Random& m_random;
    int m_totalWeight = 0;
};

// The order of the labels, left to right: the names' byte order but with
// '.' below every other byte, so "a.b.c" comes before "a.b-x".
bool labelOrder(const std::string& a, const std::string& b)
{
    const auto key = [](char c) { return c == '.' ? 0 : int(uchar(c)); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return key(x) < key(y); });
}

std::vector<std::string> makeNames(Random& random, quint64 count, bool hostLevel)
{
    // Names the tests look up by hand come first when there is room.
    std::vector<std::string> fixed = {"ac.gov.ascension", "ac.gov.ascension-island", "uk.co.example", "com.example",
                                      "xn--p1ai.xn--e1afmkfd"};
    if (hostLevel)
        fixed = {"ac.gov.ascension", "ac.gov.ascension-island", "uk.co.example.www", "com.example.www", "com.example"};
    std::unordered_set<std::string> seen;
    std::vector<std::string> names;
    names.reserve(size_t(count));
    const auto add = [&](std::string name) {
        if (names.size() < count && seen.insert(name).second)
            names.push_back(std::move(name));
    };
    for (std::string& name : fixed)
        add(name);
    NameMaker maker(random);
    while (names.size() < count) {
        const std::string domain = maker.domain();
        std::string name = hostLevel ? maker.host(domain) : domain;
        // Now and then a name and a longer one that starts the same.
        if (random.chance(0.02)) {
            add(name + '-' + maker.pairEnding());
            if (hostLevel)
                add(name + ".www");
        }
        add(name);
    }
    std::sort(names.begin(), names.end(), labelOrder);
    return names;
}

// Java's Float.toString: plain between 10^-3 and 10^7, else "1.4451489E7".
std::string javaFloat(float value)
{
    char text[64];
    const bool plain = value == 0 || (std::fabs(value) >= 1e-3f && std::fabs(value) < 1e7f);
    const auto result = std::to_chars(text, text + sizeof text, value,
                                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    std::string written(text, result.ptr);
    if (plain)
        return written.find('.') == std::string::npos ? written + ".0" : written;
    const size_t e = written.find('e');
    std::string mantissa = written.substr(0, e);
    if (mantissa.find('.') == std::string::npos)
        mantissa += ".0";
    return mantissa + 'E' + std::to_string(std::stoi(written.substr(e + 1)));
}

// C's "%.2e", which other tools write: "4.48e-09".
std::string cFloat(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2e", value);
    return text;
}

// Splits a file's lines into members of about equal size.
class MemberSplitter
{
public:
    MemberSplitter(GzipFileWriter& writer, quint64 lines, int members)
        : m_writer(writer)
        , m_linesPerMember(std::max<quint64>(1, lines / quint64(std::max(1, members))))
    {}

    bool line(const std::string& text)
    {
        m_buffer += text;
        if (++m_lines % m_linesPerMember == 0)
            return flush() && m_writer.endMember();
        return m_buffer.size() < (1 << 20) || flush();
    }
    bool flush()
    {
        const bool written = m_writer.write(QByteArrayView(m_buffer.data(), qsizetype(m_buffer.size())));
        m_buffer.clear();
        return written;
    }

private:
    GzipFileWriter& m_writer;
    quint64 m_linesPerMember;
    quint64 m_lines = 0;
    std::string m_buffer;
};

} // namespace

std::optional<GeneratedWebGraph> generateWebGraph(const QString& folder, const QString& release,
                                                  const WebGraphGeneratorOptions& options, QString* error)
{
    const auto fail = [error](const QString& text) -> std::optional<GeneratedWebGraph> {
        if (error)
            *error = text;
        return std::nullopt;
    };
    const quint64 n = options.vertices;
    if (n < 2)
        return fail(QStringLiteral("a graph needs two vertices or more"));
    Random random(options.seed);
    const QString prefix =
        QDir(folder).filePath(release + (options.hostLevel ? QStringLiteral("-host-") : QStringLiteral("-domain-")));
    GeneratedWebGraph graph;
    graph.vertices = prefix + QStringLiteral("vertices.txt.gz");
    graph.edges = prefix + QStringLiteral("edges.txt.gz");
    graph.ranks = options.ranks ? prefix + QStringLiteral("ranks.txt.gz") : QString();
    graph.truth = prefix + QStringLiteral("truth.tsv");
    graph.vertexCount = n;

    const std::vector<std::string> names = makeNames(random, n, options.hostLevel);
    std::vector<quint32> hosts(static_cast<size_t>(n));
    {
        GzipFileWriter writer(graph.vertices, options.compressionLevel);
        if (!writer.open())
            return fail(writer.errorString());
        MemberSplitter lines(writer, n, options.members);
        for (quint64 id = 0; id < n; ++id) {
            std::string line = std::to_string(id) + '\t' + names[id];
            if (!options.hostLevel) {
                hosts[id] = quint32(std::min(1e6, std::pow(1 - random.unit(), -1.2)));
                line += '\t' + std::to_string(hosts[id]);
            }
            if (!lines.line(line + '\n'))
                return fail(writer.errorString());
        }
        if (!lines.flush() || !writer.close())
            return fail(writer.errorString());
    }

    // Out-degrees follow a power law; their sum is the edges asked for.
    const quint64 mostOut = std::max<quint64>(1, n / 2);
    std::vector<double> weights(static_cast<size_t>(n));
    double weightSum = 0;
    for (double& weight : weights)
        weightSum += weight = std::pow(1 - random.unit(), -1 / 1.5);
    std::vector<quint64> outDegrees(static_cast<size_t>(n));
    quint64 assigned = 0;
    for (quint64 v = 0; v < n; ++v)
        assigned += outDegrees[v] = std::min(mostOut, quint64(weights[v] * double(options.edges) / weightSum));
    weights = {};
    for (quint64 tries = 0; assigned < options.edges && tries < 100 * options.edges; ++tries) {
        const quint64 v = random.below(n);
        if (outDegrees[v] < mostOut) {
            ++outDegrees[v];
            ++assigned;
        }
    }
    // In-degrees too: the k-th most linked vertex gets a share of about
    // k^-0.75, and those vertices lie anywhere among the ids.
    std::vector<quint64> popular(static_cast<size_t>(n));
    std::iota(popular.begin(), popular.end(), 0);
    for (quint64 i = n - 1; i > 0; --i)
        std::swap(popular[i], popular[random.below(i + 1)]);
    std::vector<quint64> inDegrees(static_cast<size_t>(n));
    {
        GzipFileWriter writer(graph.edges, options.compressionLevel);
        if (!writer.open())
            return fail(writer.errorString());
        MemberSplitter lines(writer, assigned, options.members);
        std::vector<quint64> targets;
        for (quint64 from = 0; from < n; ++from) {
            targets.clear();
            while (targets.size() < outDegrees[from]) {
                while (targets.size() < outDegrees[from]) {
                    const quint64 to = popular[std::min(n - 1, quint64(double(n) * std::pow(random.unit(), 4.0)))];
                    if (to != from)
                        targets.push_back(to);
                }
                std::sort(targets.begin(), targets.end());
                targets.erase(std::unique(targets.begin(), targets.end()), targets.end());
            }
            const std::string source = std::to_string(from) + '\t';
            for (const quint64 to : targets) {
                ++inDegrees[to];
                if (!lines.line(source + std::to_string(to) + '\n'))
                    return fail(writer.errorString());
            }
            graph.edgeCount += targets.size();
        }
        if (!lines.flush() || !writer.close())
            return fail(writer.errorString());
    }
    outDegrees = {};
    popular = {};

    // Positions by in-degree, ties by id; a few vertices are left out.
    std::vector<quint64> positions(static_cast<size_t>(n));
    if (options.ranks) {
        std::vector<quint64> order;
        order.reserve(static_cast<size_t>(n));
        for (quint64 id = 0; id < n; ++id) {
            if (!random.chance(options.unrankedShare))
                order.push_back(id);
        }
        std::stable_sort(order.begin(), order.end(), [&](quint64 a, quint64 b) { return inDegrees[a] > inDegrees[b]; });
        GzipFileWriter writer(graph.ranks, options.compressionLevel);
        if (!writer.open())
            return fail(writer.errorString());
        MemberSplitter lines(writer, order.size(), options.members);
        const std::string header = options.hostLevel
                                       ? "#harmonicc_pos\t#harmonicc_val\t#pr_pos\t#pr_val\t#host_rev\n"
                                       : "#harmonicc_pos\t#harmonicc_val\t#pr_pos\t#pr_val\t#host_rev\t#n_hosts\n";
        if (!lines.line(header))
            return fail(writer.errorString());
        for (quint64 i = 0; i < order.size(); ++i) {
            const quint64 id = order[i];
            positions[id] = i + 1;
            const double harmonic = double(inDegrees[id]) * 2.5 + 1 + random.unit();
            const double pageRank = (double(inDegrees[id]) + 1) * 1e-9 * (0.5 + random.unit());
            const quint64 pageRankPosition = std::min<quint64>(order.size(), i + 1 + random.below(3));
            std::string line = std::to_string(i + 1) + '\t' + javaFloat(float(harmonic)) + '\t' +
                               std::to_string(pageRankPosition) + '\t' +
                               (random.chance(0.5) ? javaFloat(float(pageRank)) : cFloat(pageRank)) + '\t' + names[id];
            if (!options.hostLevel)
                line += '\t' + std::to_string(hosts[id]);
            if (!lines.line(line + '\n'))
                return fail(writer.errorString());
        }
        if (!lines.flush() || !writer.close())
            return fail(writer.errorString());
    }

    QFile truth(graph.truth);
    if (!truth.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(truth.errorString());
    std::string buffer;
    for (quint64 id = 0; id < n; ++id) {
        buffer += names[id] + '\t' + std::to_string(inDegrees[id]) + '\t' +
                  (positions[id] ? std::to_string(positions[id]) : std::string()) + '\n';
        if (buffer.size() > (1 << 20) || id + 1 == n) {
            if (truth.write(buffer.data(), qint64(buffer.size())) != qint64(buffer.size()))
                return fail(truth.errorString());
            buffer.clear();
        }
    }
    return graph;
}
