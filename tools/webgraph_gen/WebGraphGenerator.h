#pragma once

#include <QString>

#include <optional>

// Makes synthetic web graphs in the published text formats, for the tests
// and the benchmark: a vertices file, an edges file and a ranks file, each
// gzip text of several members, and beside them the true in-degrees.
//
// The graph looks like the real one where it matters to an index: reversed
// names of realistic shape ("uk.co.example", "com.shop-24", punycode, pairs
// such as "ac.gov.ascension" and "ac.gov.ascension-island"), ids given in an
// order of labels that is not the names' byte order, power-law out- and
// in-degrees with the most linked vertices spread over the ids, edges sorted
// by source, and ranks with '#' header lines, Java float values and a few
// vertices left out.
struct WebGraphGeneratorOptions
{
    quint64 vertices = 1000;
    quint64 edges = 10000;
    bool hostLevel = false;
    bool ranks = true;
    int members = 3;
    quint64 seed = 1;
    int compressionLevel = 6;
    double unrankedShare = 0.002;
};

struct GeneratedWebGraph
{
    QString vertices;
    QString edges;
    QString ranks; // empty without ranks
    // "name<TAB>in-degree<TAB>position" per vertex, by id; the position is
    // empty for a vertex the ranks leave out. Also a valid counts file.
    QString truth;
    quint64 vertexCount = 0;
    quint64 edgeCount = 0;
};

// Writes "<folder>/<release>-<domain|host>-vertices.txt.gz" and so on.
std::optional<GeneratedWebGraph> generateWebGraph(const QString& folder, const QString& release,
                                                  const WebGraphGeneratorOptions& options, QString* error);
