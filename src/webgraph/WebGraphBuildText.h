#pragma once

#include <QString>

class WebGraphBuildTask;
struct WebGraphBuildProgress;

// What a build of a web-graph index tells the user, on the command line and
// in the window alike.
namespace WebGraphBuildText {

// "Counting the edges: 42% of 15.3 GB read, 180 MB/s, about 1 min 23 s left"
QString progressLine(const WebGraphBuildProgress& progress);

// After a build: "Indexed 1,234 domains and 56,789 links of <release>, with
// ranks, in 1.23 s (vertices 0.10 s, ...): <index file>".
QString summary(const WebGraphBuildTask& task, const QString& output);

} // namespace WebGraphBuildText
