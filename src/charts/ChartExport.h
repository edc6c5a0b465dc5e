#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class ChartWidget;

// The chart saved as a picture, drawn as the printer draws it (the screen's
// drawing in black on white): PNG at twice its size on screen, SVG, or PDF
// on one landscape page in vectors.
namespace ChartExport {

enum class Format { Png, Svg, Pdf };

// The save dialog's file types, PNG first.
QString fileFilter();
// The format a file name asks for by its extension (letter case ignored).
std::optional<Format> formatOf(const QString& path);
QString extensionOf(Format format);

// The file's bytes; empty when the drawing could not be made.
QByteArray encode(const ChartWidget& chart, Format format);
// Writes the file through the program's safe write; false, with the reason
// in `error`, when it could not be drawn or written.
bool write(const ChartWidget& chart, const QString& path, Format format, QString* error);

} // namespace ChartExport
