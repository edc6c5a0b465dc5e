#include "app/ProgramTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

ProgramTranslations::ProgramTranslations(const QLocale& locale)
{
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        if (!m_program.load(language, QStringLiteral("quorvex"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&m_program);
        // Without Qt's own, its dialogs keep their English buttons; the
        // program's texts are still worth having.
        if (m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        m_language = m_program.language().section(u'_', 0, 0);
        return;
    }
}

ProgramTranslations::~ProgramTranslations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}
