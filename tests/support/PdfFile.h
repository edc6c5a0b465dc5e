#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

// What tests read from a PDF file the program wrote.
struct Pdf
{
    QByteArray bytes;

    int pageCount() const;
    // Width and height of the first page's media box, in points.
    QSizeF mediaBox() const;
    // The page's drawing operators, unpacked where they are compressed.
    QByteArray contents() const;
};

Pdf readPdf(const QString& path);
