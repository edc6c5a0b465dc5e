#pragma once

#include "webgraph/WebGraphFormat.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The release and level a graph file's name gives: the published files are
// named "<release>-<level>-<part>.txt.gz", as in
// "cc-main-2024-feb-apr-may-domain-vertices.txt.gz". A name without
// "-domain-" or "-host-" gives its part before the first dot, less an
// ending "-vertices" or "-counts", and no level.
struct WebGraphFileName
{
    QByteArray release;
    std::optional<WebGraphFormat::Level> level;

    static WebGraphFileName of(const QString& path);
};
