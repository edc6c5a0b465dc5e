#pragma once

#include <QString>

#include <array>

// One of the six search engines a scan asks, in the fixed order of querying,
// with everything that differs between them. The texts differ between the
// places they appear in and are kept as shown to the user there.
struct CountReading;

struct Engine
{
    int number;               // 1..6, the engine's place in the order
    const char* iniKey;       // key in section "Engines" of settings.ini
    const char* columnHeader; // results-table column; also the saved-search section name
    const char* dialogLabel;  // label in the Options dialog
    const char* webViewText;  // row text in the web-results list
    const char* statusText;   // the engine in "Scanning <site> on <engine>"
    const char* defaultTemplate;
    const char* querySuffix; // appended after the site when querying
    // How the count is read from the engine's result page (CountExtraction.h).
    CountReading (*countRule)(const QString& page);
    // The engine's page markers are written with apostrophes; its pages may
    // use either quote, so double quotes are read as apostrophes.
    bool apostropheMarkers;
    // The results table shows the count as the rule gave it, separators
    // included; other engines' cells lose their commas.
    bool cellKeepsSeparators;

    QString key() const { return QString::fromLatin1(iniKey); }
    QString header() const { return QString::fromLatin1(columnHeader); }
    QString label() const { return QString::fromLatin1(dialogLabel); }
    QString webText() const { return QString::fromLatin1(webViewText); }
    QString statusName() const { return QString::fromLatin1(statusText); }
    QString defaultQueryTemplate() const { return QString::fromLatin1(defaultTemplate); }

    // The address a scan requests: the template, the site exactly as listed,
    // then the engine's fixed suffix (only AllTheWeb has one).
    QString queryAddress(const QString& queryTemplate, const QString& site) const;
};

inline constexpr int engineCount = 6;

const std::array<Engine, engineCount>& engines();

// The engine with this number (1..6), or nullptr.
const Engine* engineByNumber(int number);
