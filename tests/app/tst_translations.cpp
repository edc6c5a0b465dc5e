#include "app/MainWindow.h"
#include "app/ProgramTranslations.h"
#include "base/UserSettings.h"
#include "support/TestContext.h"
#include "support/Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// A text the user reads, with where it is shown.
struct ShownText
{
    QString where;
    QString text;
};

// Texts that read the same in German: names and abbreviations.
bool staysInEveryLanguage(QString text)
{
    text.remove(u'&');
    if (text.endsWith(u':'))
        text.chop(1);
    static const QStringList names{QStringLiteral("URL"), QStringLiteral("URLs"), QStringLiteral("Google")};
    return text.trimmed().isEmpty() || names.contains(text) || text.startsWith(QLatin1String("Quorvex"));
}

void addActionTexts(const QList<QAction*>& actions, const QString& where, QList<ShownText>& texts)
{
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        texts.append({where + u'/' + action->objectName(), action->text()});
        if (QMenu* menu = action->menu())
            addActionTexts(menu->actions(), where + u'/' + menu->objectName(), texts);
    }
}

// What the window shows, walked the same way whatever the language, so two
// walks line up text for text. The results table's headers are the
// sources' names; the status texts depend on what happened.
QList<ShownText> shownTexts(QWidget* window)
{
    QList<ShownText> texts{{QStringLiteral("window title"), window->windowTitle()}};
    addActionTexts(window->findChild<QMenuBar*>()->actions(), QStringLiteral("menu bar"), texts);
    // Menus of the program's own; Qt's (the menu bar's overflow) repeat them.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (!menu->objectName().isEmpty())
            addActionTexts(menu->actions(), menu->objectName(), texts);
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Scroll bars come and go with the width of the texts.
        if (!seenInWindow(widget, window) || qobject_cast<QScrollBar*>(widget) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString where = widget->objectName() + u' ' + QString::fromLatin1(widget->metaObject()->className());
        texts.append({where + QStringLiteral(" tool tip"), widget->toolTip()});
        texts.append({where + QStringLiteral(" accessible name"), widget->accessibleName()});
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts.append({where, button->text()});
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            texts.append({where, label->text()});
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            texts.append({where, box->title()});
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts.append({where + QStringLiteral(" tab"), tabs->tabText(tab)});
        } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEnabled()) {
            for (int item = 0; item < combo->count(); ++item)
                texts.append({where + QStringLiteral(" item"), combo->itemText(item)});
        } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            for (int column = 0; column < tree->columnCount(); ++column)
                texts.append({where + QStringLiteral(" header"), tree->headerItem()->text(column)});
        }
    }
    return texts;
}

QList<ShownText> mainWindowTexts(TestContext& test, MainWindow::View view)
{
    test.context.settings.setShowHelpAtStart(false);
    MainWindow window(test.context, test.makeBrowser);
    window.showView(view);
    window.show();
    // A common screen's room, where the views need not scroll.
    window.resize(1200, 800);
    QCoreApplication::processEvents();
    return shownTexts(&window);
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    // The first of the user's languages that the program speaks decides;
    // English and an untranslated language leave the texts as written.
    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        const QString german = QStringLiteral("de");
        const QString english = QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de_DE") << german;
        QTest::newRow("Austrian German") << QStringLiteral("de_AT") << german;
        QTest::newRow("English") << QStringLiteral("en_US") << english;
        QTest::newRow("British English") << QStringLiteral("en_GB") << english;
        QTest::newRow("French, not translated") << QStringLiteral("fr_FR") << english;
        QTest::newRow("C") << QStringLiteral("C") << english;
    }

    void languageFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        const bool german = language == QLatin1String("de");
        {
            const ProgramTranslations translations{QLocale(locale)};
            QCOMPARE(translations.language(), language);
            QCOMPARE(QCoreApplication::translate("MainMenus", "&File"), german ? "&Datei" : "&File");
            // Qt's own dialogs speak the same language.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), german ? "&Ja" : "&Yes");
        }
        QCOMPARE(QCoreApplication::translate("MainMenus", "&File"), "&File");
    }

    // Every text of the main window changes in German but names; the same
    // window without a translator shows the texts as written.
    void mainWindowIsTranslated_data()
    {
        QTest::addColumn<int>("view");
        QTest::newRow("Data View") << int(MainWindow::DataView);
        QTest::newRow("Chart View") << int(MainWindow::ChartView);
        QTest::newRow("Website View") << int(MainWindow::WebsiteView);
    }

    void mainWindowIsTranslated()
    {
        QFETCH(int, view);
        TestContext englishTest;
        const QList<ShownText> english = mainWindowTexts(englishTest, MainWindow::View(view));
        TestContext germanTest;
        QList<ShownText> german;
        {
            const ProgramTranslations translations{QLocale(QLocale::German, QLocale::Germany)};
            german = mainWindowTexts(germanTest, MainWindow::View(view));
        }
        QCOMPARE(german.size(), english.size());
        QStringList untranslated;
        for (qsizetype index = 0; index < english.size(); ++index) {
            QCOMPARE(german[index].where, english[index].where);
            if (german[index].text == english[index].text && !staysInEveryLanguage(english[index].text))
                untranslated << english[index].where + QStringLiteral(": ") + english[index].text;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
