#pragma once

#include "app/FormattedText.h"

class QTextDocument;

// Replaces the content of the document with the formatted text.
void fillTextDocument(QTextDocument& document, const FormattedText& text);
