#pragma once

#include "help/FormattedText.h"

#include <QByteArray>

#include <limits>
#include <optional>

// Reads the part of RTF that a help text needs: groups, the font and colour
// tables, paragraphs and line breaks, tabs, bold, italic, underline, font
// and size, colour, paragraph alignment, \'hh bytes in the document's code
// page and \uN characters. Pictures, ignorable destinations, the document
// information, style sheets and every unknown control word are skipped.
//
// Damaged input never fails: a truncated document or one with unbalanced
// braces gives the text read up to the damage. Only data that does not
// start with "{\rtf" is refused (std::nullopt), as it is not RTF at all.
//
// Reading stops at the limits; the text read until then is the result,
// marked partial when more would have followed.
struct RtfLimits
{
    qsizetype characters = std::numeric_limits<qsizetype>::max(); // each paragraph end counts as one
    qsizetype paragraphs = std::numeric_limits<qsizetype>::max();
};

std::optional<FormattedText> readRtf(const QByteArray& data, const RtfLimits& limits = {});
