#include "help/RtfReader.h"

#include "base/CodePageDecoder.h"
#include "help/RtfTokenizer.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace {

enum class Destination { Text, FontTable, ColourTable, Skipped };

struct CharacterState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    int colour = 0; // index into the colour table; 0 is the automatic colour
};

// Everything a group saves and its closing brace restores.
struct GroupState
{
    Destination destination = Destination::Text;
    CharacterState characters;
    ParagraphFormat paragraph;
    int unicodeSkip = 1; // \ucN: bytes of fallback after each \uN
};

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's code page
};

// Deeper groups than this share the state of the deepest one, so a file of
// nothing but opening braces cannot exhaust memory.
constexpr int maximumGroupDepth = 512;
constexpr int defaultCodePage = 1252;

const char* const skippedDestinations[] = {
    "author",
    "buptim",
    "colorschememapping",
    "comment",
    "company",
    "creatim",
    "datastore",
    "docvar",
    "doccomm",
    "falt",
    "filetbl",
    "fldinst",
    "footer",
    "footerf",
    "footerl",
    "footerr",
    "footnote",
    "ftncn",
    "ftnsep",
    "ftnsepc",
    "generator",
    "header",
    "headerf",
    "headerl",
    "headerr",
    "info",
    "keywords",
    "latentstyles",
    "listoverridetable",
    "listtable",
    "manager",
    "nonshppict",
    "object",
    "objdata",
    "operator",
    "pgdsctbl",
    "pict",
    "pn",
    "printim",
    "private",
    "revtbl",
    "revtim",
    "rsidtbl",
    "shp",
    "shpinst",
    "stylesheet",
    "subject",
    "tc",
    "template",
    "themedata",
    "title",
    "txe",
    "userprops",
    "xe",
    "xmlnstbl",
};

bool isSkippedDestination(const QByteArray& word)
{
    return std::any_of(std::begin(skippedDestinations), std::end(skippedDestinations),
                       [&word](const char* name) { return word == name; });
}

// Control words that stand for one character.
struct CharacterWord
{
    const char* word;
    char16_t character;
};

constexpr CharacterWord characterWords[] = {
    {"tab", u'\t'},           {"cell", u'\t'},        {"line", u'\u2028'},    {"emdash", u'\u2014'},
    {"endash", u'\u2013'},    {"emspace", u'\u2003'}, {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},
    {"bullet", u'\u2022'},    {"lquote", u'\u2018'},  {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'}, {"zwj", u'\u200D'},     {"zwnj", u'\u200C'},
};

const char* const underlineWords[] = {"ul",   "uld",     "uldash", "uldashd", "uldashdd",
                                      "uldb", "ulhwave", "ulth",   "ulw",     "ulwave"};

// Indents and spacing are given in twips; anything beyond a page's width is
// held there.
double twipsToPoints(int twips)
{
    constexpr int pageWidth = 31680; // 22 inches
    return std::clamp(twips, -pageWidth, pageWidth) / 20.0;
}

bool isUnderlineWord(const QByteArray& word)
{
    return std::any_of(std::begin(underlineWords), std::end(underlineWords),
                       [&word](const char* name) { return word == name; });
}

// \b, \i, \ul and their kin switch on without a parameter and off with 0.
bool switchValue(bool hasParameter, int parameter)
{
    return !hasParameter || parameter != 0;
}

class RtfInterpreter
{
public:
    RtfInterpreter(const QByteArray& data, const RtfLimits& limits)
        : m_tokens(data)
        , m_limits(limits)
    {}

    FormattedText run();

private:
    void handle(const RtfToken& token);
    void startGroup();
    void endGroup();
    void controlWord(const QByteArray& word, bool hasParameter, int parameter);
    void controlSymbol(char symbol);
    void textBytes(const QByteArray& bytes);

    bool fontTableWord(const QByteArray& word, bool hasParameter, int parameter);
    bool colourTableWord(const QByteArray& word, int parameter);
    bool documentWord(const QByteArray& word, bool hasParameter, int parameter);
    bool characterFormatWord(const QByteArray& word, bool hasParameter, int parameter);
    bool paragraphWord(const QByteArray& word, int parameter);

    void fontTableBytes(const QByteArray& bytes);
    void commitFont();
    void colourTableBytes(const QByteArray& bytes);

    bool skipFallback(const RtfToken& token);
    void appendUnicode(int value);
    void appendText(QString text);
    void flushBytes();
    void endParagraph();
    void closeParagraph();
    void leaveOutTheRest();
    void finish();

    int currentCodePage() const;
    TextFormat currentFormat() const;

    RtfTokenizer m_tokens;
    CodePageDecoder m_decoder;
    RtfLimits m_limits;
    qsizetype m_characters = 0; // text and paragraph ends so far
    bool m_leftOut = false;

    GroupState m_state;
    QList<GroupState> m_saved;
    int m_depth = 0;
    bool m_documentClosed = false;

    int m_codePage = defaultCodePage;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    QList<std::optional<TextColour>> m_colours;

    int m_fontNumber = -1;
    int m_fontCodePage = 0;
    QByteArray m_fontName;
    TextColour m_colour;
    bool m_colourHasComponents = false;

    QByteArray m_pendingBytes;
    int m_fallbackLeft = 0;
    char16_t m_highSurrogate = 0;

    TextParagraph m_paragraph;
    FormattedText m_result;
};

FormattedText RtfInterpreter::run()
{
    for (RtfToken token = m_tokens.next(); token.kind != RtfToken::Kind::End && !m_documentClosed && !m_leftOut;
         token = m_tokens.next()) {
        // Only what lies inside the document's group is read.
        if (m_depth == 0 && token.kind != RtfToken::Kind::GroupStart)
            continue;
        handle(token);
    }
    finish();
    return m_result;
}

void RtfInterpreter::handle(const RtfToken& token)
{
    const bool isBytes = token.kind == RtfToken::Kind::Text || token.kind == RtfToken::Kind::HexByte;
    if (!isBytes)
        flushBytes();
    if (skipFallback(token))
        return;

    switch (token.kind) {
    case RtfToken::Kind::GroupStart:
        startGroup();
        break;
    case RtfToken::Kind::GroupEnd:
        endGroup();
        break;
    case RtfToken::Kind::ControlWord:
        controlWord(token.word, token.hasParameter, token.parameter);
        break;
    case RtfToken::Kind::ControlSymbol:
        controlSymbol(token.symbol);
        break;
    case RtfToken::Kind::Text:
    case RtfToken::Kind::HexByte:
        textBytes(token.bytes);
        break;
    case RtfToken::Kind::BinaryData:
    case RtfToken::Kind::End:
        break;
    }
}

// After \uN the next bytes (\ucN of them) are the character's fallback for
// older readers and are dropped; a control word counts as one byte, and the
// fallback never reaches past the end of its group.
bool RtfInterpreter::skipFallback(const RtfToken& token)
{
    if (m_fallbackLeft <= 0)
        return false;
    switch (token.kind) {
    case RtfToken::Kind::GroupStart:
    case RtfToken::Kind::GroupEnd:
    case RtfToken::Kind::End:
        m_fallbackLeft = 0;
        return false;
    case RtfToken::Kind::Text: {
        const qsizetype skipped = std::min<qsizetype>(m_fallbackLeft, token.bytes.size());
        m_fallbackLeft -= static_cast<int>(skipped);
        if (skipped < token.bytes.size())
            textBytes(token.bytes.mid(skipped));
        return true;
    }
    default:
        --m_fallbackLeft;
        return true;
    }
}

void RtfInterpreter::startGroup()
{
    ++m_depth;
    if (m_depth <= maximumGroupDepth)
        m_saved.append(m_state);
}

void RtfInterpreter::endGroup()
{
    if (m_state.destination == Destination::FontTable)
        commitFont();
    if (m_depth <= 0)
        return;
    if (m_depth <= maximumGroupDepth)
        m_state = m_saved.takeLast();
    --m_depth;
    // The brace that closes the outermost group ends the document; anything
    // after it is not part of the text.
    if (m_depth == 0)
        m_documentClosed = true;
}

void RtfInterpreter::controlWord(const QByteArray& word, bool hasParameter, int parameter)
{
    if (m_state.destination == Destination::Skipped)
        return;
    if (isSkippedDestination(word)) {
        m_state.destination = Destination::Skipped;
        return;
    }
    if (word == "fonttbl") {
        m_state.destination = Destination::FontTable;
        return;
    }
    if (word == "colortbl") {
        m_state.destination = Destination::ColourTable;
        m_colours.clear();
        return;
    }
    switch (m_state.destination) {
    case Destination::FontTable:
        fontTableWord(word, hasParameter, parameter);
        return;
    case Destination::ColourTable:
        colourTableWord(word, parameter);
        return;
    case Destination::Text:
    case Destination::Skipped:
        break;
    }

    if (documentWord(word, hasParameter, parameter) || characterFormatWord(word, hasParameter, parameter) ||
        paragraphWord(word, parameter))
        return;

    if (word == "u" && hasParameter) {
        appendUnicode(parameter);
        m_fallbackLeft = m_state.unicodeSkip;
        return;
    }
    for (const CharacterWord& entry : characterWords) {
        if (word == entry.word) {
            appendText(QString(QChar(entry.character)));
            return;
        }
    }
    // Any other control word is one this reader does not need.
}

bool RtfInterpreter::documentWord(const QByteArray& word, bool hasParameter, int parameter)
{
    if (word == "ansicpg") {
        if (hasParameter && parameter > 0)
            m_codePage = parameter;
    } else if (word == "ansi") {
        m_codePage = defaultCodePage;
    } else if (word == "mac") {
        m_codePage = 10000;
    } else if (word == "pc") {
        m_codePage = 437;
    } else if (word == "pca") {
        m_codePage = 850;
    } else if (word == "deff") {
        m_defaultFont = parameter;
    } else if (word == "uc") {
        m_state.unicodeSkip = std::clamp(parameter, 0, 16);
    } else {
        return false;
    }
    return true;
}

bool RtfInterpreter::characterFormatWord(const QByteArray& word, bool hasParameter, int parameter)
{
    CharacterState& chars = m_state.characters;
    if (word == "b") {
        chars.bold = switchValue(hasParameter, parameter);
    } else if (word == "i") {
        chars.italic = switchValue(hasParameter, parameter);
    } else if (isUnderlineWord(word)) {
        chars.underline = switchValue(hasParameter, parameter);
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word == "plain") {
        chars = CharacterState();
    } else if (word == "f") {
        chars.font = parameter;
    } else if (word == "fs") {
        // Half-points; a missing or absurd size falls back to or is held
        // within what a reader can show.
        chars.halfPoints = hasParameter ? std::clamp(parameter, 2, 800) : 24;
    } else if (word == "cf") {
        chars.colour = parameter;
    } else {
        return false;
    }
    return true;
}

bool RtfInterpreter::paragraphWord(const QByteArray& word, int parameter)
{
    ParagraphFormat& paragraph = m_state.paragraph;
    if (word == "par" || word == "sect" || word == "page" || word == "row") {
        endParagraph();
    } else if (word == "pard") {
        paragraph = ParagraphFormat();
    } else if (word == "ql") {
        paragraph.alignment = ParagraphAlignment::Left;
    } else if (word == "qc") {
        paragraph.alignment = ParagraphAlignment::Centre;
    } else if (word == "qr") {
        paragraph.alignment = ParagraphAlignment::Right;
    } else if (word == "qj") {
        paragraph.alignment = ParagraphAlignment::Justify;
    } else if (word == "li") {
        paragraph.leftIndent = twipsToPoints(parameter);
    } else if (word == "ri") {
        paragraph.rightIndent = twipsToPoints(parameter);
    } else if (word == "fi") {
        paragraph.firstLineIndent = twipsToPoints(parameter);
    } else if (word == "sb") {
        paragraph.spaceBefore = std::max(0.0, twipsToPoints(parameter));
    } else if (word == "sa") {
        paragraph.spaceAfter = std::max(0.0, twipsToPoints(parameter));
    } else {
        return false;
    }
    return true;
}

bool RtfInterpreter::fontTableWord(const QByteArray& word, bool hasParameter, int parameter)
{
    if (word == "f") {
        commitFont();
        m_fontNumber = parameter;
        m_fontCodePage = 0;
    } else if (word == "fcharset") {
        m_fontCodePage = CodePageDecoder::codePageOfCharset(parameter);
    } else if (word == "cpg") {
        if (hasParameter && parameter > 0)
            m_fontCodePage = parameter;
    } else {
        return false;
    }
    return true;
}

bool RtfInterpreter::colourTableWord(const QByteArray& word, int parameter)
{
    const int component = std::clamp(parameter, 0, 255);
    if (word == "red") {
        m_colour.red = component;
    } else if (word == "green") {
        m_colour.green = component;
    } else if (word == "blue") {
        m_colour.blue = component;
    } else {
        return false;
    }
    m_colourHasComponents = true;
    return true;
}

void RtfInterpreter::controlSymbol(char symbol)
{
    if (symbol == '*') {
        // {\*\destination ...}: a destination this reader may skip.
        m_state.destination = Destination::Skipped;
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        textBytes(QByteArray(1, symbol));
        break;
    case '~':
        if (m_state.destination == Destination::Text)
            appendText(QString(QChar(0x00A0)));
        break;
    case '-':
        if (m_state.destination == Destination::Text)
            appendText(QString(QChar(0x00AD)));
        break;
    case '_':
        if (m_state.destination == Destination::Text)
            appendText(QString(QChar(0x2011)));
        break;
    default:
        break;
    }
}

void RtfInterpreter::textBytes(const QByteArray& bytes)
{
    switch (m_state.destination) {
    case Destination::Text:
        m_pendingBytes.append(bytes);
        break;
    case Destination::FontTable:
        fontTableBytes(bytes);
        break;
    case Destination::ColourTable:
        colourTableBytes(bytes);
        break;
    case Destination::Skipped:
        break;
    }
}

void RtfInterpreter::fontTableBytes(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (c == ';')
            commitFont();
        else
            m_fontName.append(c);
    }
}

void RtfInterpreter::commitFont()
{
    if (m_fontNumber >= 0 && !m_fontName.trimmed().isEmpty()) {
        const int codePage = m_fontCodePage != 0 ? m_fontCodePage : m_codePage;
        m_fonts.insert(m_fontNumber, FontEntry{m_decoder.decode(m_fontName, codePage).trimmed(), m_fontCodePage});
    }
    m_fontName.clear();
}

void RtfInterpreter::colourTableBytes(const QByteArray& bytes)
{
    // Each ";" ends an entry; an entry without components is the automatic
    // colour (usually the first).
    for (const char c : bytes) {
        if (c != ';')
            continue;
        if (m_colourHasComponents)
            m_colours.append(m_colour);
        else
            m_colours.append(std::nullopt);
        m_colour = TextColour();
        m_colourHasComponents = false;
    }
}

void RtfInterpreter::appendUnicode(int value)
{
    if (value < 0)
        value += 0x10000;
    if (value < 0 || value > 0xFFFF) {
        appendText(QString(QChar::ReplacementCharacter));
        return;
    }
    const auto unit = static_cast<char16_t>(value);
    if (QChar::isHighSurrogate(unit)) {
        if (m_highSurrogate != 0)
            appendText(QString());
        m_highSurrogate = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (m_highSurrogate == 0) {
            appendText(QString(QChar::ReplacementCharacter));
            return;
        }
        const QChar pair[2] = {QChar(m_highSurrogate), QChar(unit)};
        m_highSurrogate = 0;
        appendText(QString(pair, 2));
        return;
    }
    appendText(QString(QChar(unit)));
}

void RtfInterpreter::appendText(QString text)
{
    // A high surrogate that no low surrogate followed cannot be shown.
    if (m_highSurrogate != 0) {
        text.prepend(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t'); });
    if (text.isEmpty())
        return;
    const qsizetype room = m_result.paragraphs.size() < m_limits.paragraphs
                               ? std::max<qsizetype>(m_limits.characters - m_characters, 0)
                               : 0;
    if (text.size() > room) {
        text.truncate(room);
        leaveOutTheRest();
        if (text.isEmpty())
            return;
    }
    m_characters += text.size();

    const TextFormat format = currentFormat();
    if (!m_paragraph.runs.isEmpty() && m_paragraph.runs.last().format == format)
        m_paragraph.runs.last().text += text;
    else
        m_paragraph.runs.append(TextRun{text, format});
}

void RtfInterpreter::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const QByteArray bytes = std::exchange(m_pendingBytes, QByteArray());
    appendText(m_decoder.decode(bytes, currentCodePage()));
}

void RtfInterpreter::endParagraph()
{
    appendText(QString());
    if (m_leftOut)
        return;
    if (m_characters >= m_limits.characters || m_result.paragraphs.size() >= m_limits.paragraphs) {
        leaveOutTheRest();
        return;
    }
    ++m_characters;
    closeParagraph();
}

void RtfInterpreter::closeParagraph()
{
    m_paragraph.format = m_state.paragraph;
    m_paragraph.endFormat = currentFormat();
    m_result.paragraphs.append(std::exchange(m_paragraph, TextParagraph()));
}

// Once a limit is reached, the next text or paragraph end stops the reading:
// the document goes on past what is shown.
void RtfInterpreter::leaveOutTheRest()
{
    m_leftOut = true;
    m_result.partial = true;
}

void RtfInterpreter::finish()
{
    flushBytes();
    appendText(QString());
    // The text after the last \par is a paragraph of its own only when it
    // holds something (up to where a limit cut it).
    if (!m_paragraph.runs.isEmpty())
        closeParagraph();
}

int RtfInterpreter::currentCodePage() const
{
    const int font = m_state.characters.font >= 0 ? m_state.characters.font : m_defaultFont;
    const auto found = m_fonts.constFind(font);
    if (found != m_fonts.constEnd() && found->codePage != 0)
        return found->codePage;
    return m_codePage;
}

TextFormat RtfInterpreter::currentFormat() const
{
    const CharacterState& chars = m_state.characters;
    TextFormat format;
    format.bold = chars.bold;
    format.italic = chars.italic;
    format.underline = chars.underline;
    format.pointSize = chars.halfPoints / 2.0;
    const int font = chars.font >= 0 ? chars.font : m_defaultFont;
    format.fontFamily = m_fonts.value(font).name;
    if (chars.colour > 0 && chars.colour < m_colours.size())
        format.colour = m_colours.at(chars.colour);
    return format;
}

bool startsAsRtf(const QByteArray& data)
{
    qsizetype start = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < data.size() && QChar::isSpace(static_cast<uchar>(data.at(start))))
        ++start;
    return data.mid(start, 5) == "{\\rtf";
}

} // namespace

std::optional<FormattedText> readRtf(const QByteArray& data, const RtfLimits& limits)
{
    if (!startsAsRtf(data))
        return std::nullopt;
    RtfInterpreter interpreter(data, limits);
    return interpreter.run();
}
