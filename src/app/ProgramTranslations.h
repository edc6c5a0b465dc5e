#pragma once

#include <QLocale>
#include <QTranslator>

// The texts of the windows in the user's language: the program's own (embedded
// under :/i18n) and Qt's (its dialogs and standard buttons). The first of the
// user's languages that is English or that the program is translated into
// decides, so the windows never mix two languages. English is the language of
// the sources: nothing is loaded for it.
class ProgramTranslations
{
public:
    // Installs the translations for the locale's languages, in the order the
    // user prefers them; they stay installed while this object lives.
    explicit ProgramTranslations(const QLocale& locale);
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // The language the windows show, such as "de"; "en" when untranslated.
    QString language() const { return m_language; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language = QStringLiteral("en");
};
