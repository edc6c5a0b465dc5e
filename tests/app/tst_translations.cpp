#include "app/MainWindow.h"
#include "app/ProgramTranslations.h"
#include "base/UserSettings.h"
#include "engines/EngineSettingsFile.h"
#include "engines/SourceList.h"
#include "results/KeptSession.h"
#include "results/ResultsCsv.h"
#include "results/ScanResults.h"
#include "scan/CommandLineScan.h"
#include "scan/OptionsDialog.h"
#include "scan/ScanLog.h"
#include "scan/ScanLogWindow.h"
#include "scan/SourceEditDialog.h"
#include "support/TestContext.h"
#include "support/Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextStream>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

// A text the user reads, with where it is shown.
struct ShownText
{
    QString where;
    QString text;
};

// Texts that read the same in German: names (the default user agent's too),
// abbreviations, numbers and
// addresses or paths given as examples.
bool staysInEveryLanguage(QString text)
{
    text.remove(u'&');
    if (text.endsWith(u':'))
        text.chop(1);
    static const QStringList names{
        QStringLiteral("URL"),         QStringLiteral("URLs"), QStringLiteral("Google"),   QStringLiteral("Altavista"),
        QStringLiteral("Yahoo!"),      QStringLiteral("Ask"),  QStringLiteral("MSN"),      QStringLiteral("AllTheWeb"),
        QStringLiteral("All The Web"), QStringLiteral("Name"), QStringLiteral("Proxy"),    QStringLiteral("Host"),
        QStringLiteral("Port"),        QStringLiteral("ms"),   QStringLiteral("optional"), QStringLiteral("OK")};
    static const QRegularExpression noWords(QStringLiteral("^[^A-Za-z]*$"));
    static const QRegularExpression example(QStringLiteral("^\\S*[./]\\S*$"));
    return noWords.match(text).hasMatch() || example.match(text).hasMatch() || names.contains(text) ||
           text.startsWith(QLatin1String("Quorvex")) || text.startsWith(QLatin1String("Mozilla"));
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
    if (auto* menuBar = window->findChild<QMenuBar*>())
        addActionTexts(menuBar->actions(), QStringLiteral("menu bar"), texts);
    // Menus of the program's own; Qt's (the menu bar's overflow) repeat them.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (!menu->objectName().isEmpty())
            addActionTexts(menu->actions(), menu->objectName(), texts);
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Scroll bars come and go with the width of the texts.
        if (!seenInWindow(widget, window) || qobject_cast<QScrollBar*>(widget) ||
            widget->objectName().startsWith(QLatin1String("qt_")))
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
            for (int column = 0; column < tree->columnCount(); ++column) {
                texts.append({where + QStringLiteral(" header"), tree->headerItem()->text(column)});
                for (int row = 0; row < tree->topLevelItemCount(); ++row)
                    texts.append({where + QStringLiteral(" item"), tree->topLevelItem(row)->text(column)});
            }
        } else if (auto* table = qobject_cast<QTableView*>(widget)) {
            const QAbstractItemModel* model = table->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                texts.append({where + QStringLiteral(" header"), model->headerData(column, Qt::Horizontal).toString()});
                for (int row = 0; row < model->rowCount(); ++row)
                    texts.append({where + QStringLiteral(" cell"), model->index(row, column).data().toString()});
            }
        } else if (auto* lineEdit = qobject_cast<QLineEdit*>(widget)) {
            texts.append({where + QStringLiteral(" placeholder"), lineEdit->placeholderText()});
        } else if (auto* editor = qobject_cast<QPlainTextEdit*>(widget)) {
            texts.append({where + QStringLiteral(" placeholder"), editor->placeholderText()});
        }
    }
    return texts;
}

// A dialog the user opens, as it first shows itself.
struct DialogOpener
{
    const char* name;
    std::function<std::unique_ptr<QWidget>(TestContext&)> open;
};

std::unique_ptr<QWidget> optionsShowing(TestContext& test, int page)
{
    auto dialog = std::make_unique<OptionsDialog>(test.context);
    dialog->pages()->setCurrentIndex(page);
    return dialog;
}

const DialogOpener dialogOpeners[] = {
    {"Options, Search Engines", [](TestContext& test) { return optionsShowing(test, 0); }},
    {"Options, Sources", [](TestContext& test) { return optionsShowing(test, 1); }},
    {"Options, Network", [](TestContext& test) { return optionsShowing(test, 2); }},
    {"Source editor",
     [](TestContext& test) {
         static const SourceList sources;
         return std::make_unique<SourceEditDialog>(Source{}, sources, test.context);
     }},
    {"Scan Log",
     [](TestContext&) {
         auto* log = new ScanLog;
         QueryOutcome refused{QueryOutcome::Kind::Failed, {}, {}};
         refused.fetch.failure = FetchFailure::ConnectionRefused;
         refused.fetch.address = QStringLiteral("http://127.0.0.1:9/a.example");
         log->append(
             {QDateTime::currentDateTime(), QStringLiteral("a.example"), QStringLiteral("Google"), refused, {}});
         log->append({QDateTime::currentDateTime(), QStringLiteral("a.example"), QStringLiteral("MSN"), {}, 12});
         auto window = std::make_unique<ScanLogWindow>(log);
         log->setParent(window.get());
         return window;
     }},
};

QList<ShownText> dialogTexts(TestContext& test, int opener)
{
    const std::unique_ptr<QWidget> dialog = dialogOpeners[opener].open(test);
    dialog->show();
    QCoreApplication::processEvents();
    return shownTexts(dialog.get());
}

// The texts of the German walk left as the English one has them.
QStringList untranslatedTexts(const QList<ShownText>& english, const QList<ShownText>& german)
{
    QStringList untranslated;
    for (qsizetype index = 0; index < std::min(english.size(), german.size()); ++index) {
        if (german[index].where != english[index].where)
            return {QStringLiteral("the walks differ at ") + english[index].where + QStringLiteral(" / ") +
                    german[index].where};
        if (german[index].text == english[index].text && !staysInEveryLanguage(english[index].text))
            untranslated << english[index].where + QStringLiteral(": ") + english[index].text;
    }
    return untranslated;
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
        const QStringList untranslated = untranslatedTexts(english, german);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }

    // The same for the dialogs and the scan log, each page of Options on
    // its own.
    void dialogsAreTranslated_data()
    {
        QTest::addColumn<int>("opener");
        for (int index = 0; index < static_cast<int>(std::size(dialogOpeners)); ++index)
            QTest::newRow(dialogOpeners[index].name) << index;
    }

    void dialogsAreTranslated()
    {
        QFETCH(int, opener);
        TestContext englishTest;
        const QList<ShownText> english = dialogTexts(englishTest, opener);
        TestContext germanTest;
        QList<ShownText> german;
        {
            const ProgramTranslations translations{QLocale(QLocale::German, QLocale::Germany)};
            german = dialogTexts(germanTest, opener);
        }
        QCOMPARE(german.size(), english.size());
        const QStringList untranslated = untranslatedTexts(english, german);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }

    // With German in place, what goes to files and to the command line keeps
    // its fixed English words, while the window's own form of them changes.
    void filesAndCommandLineStayEnglish_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("shownInEnglish");
        const ProgramTranslations translations{QLocale(QLocale::German, QLocale::Germany)};
        TestContext test;

        QueryOutcome refused{QueryOutcome::Kind::Failed, {}, {}};
        refused.fetch.failure = FetchFailure::ConnectionRefused;
        ResultRow row{QStringLiteral("a.example"), {EngineCell{{}, refused}}, {}, 0};
        QString error;
        QVERIFY(KeptSession(test.context.folder).writeResults({QDateTime::currentDateTime(), {row}}, &error));
        QFile kept(KeptSession(test.context.folder).resultsPath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QJsonObject cell = QJsonDocument::fromJson(kept.readAll())[u"rows"][0][u"outcomes"][0].toObject();
        QTest::newRow("kept outcome") << cell[u"kind"].toString() << "failed" << outcomeText(refused)
                                      << "failed: connection refused";

        const QString csv = QString::fromUtf8(ResultsCsv::encode(ResultsColumns::builtInColumns(), {}));
        QTest::newRow("CSV header") << csv.section(u'\n', 0, 0).trimmed()
                                    << "Domain Name,Total,Google,Altavista,Yahoo!,Ask,MSN,All The Web,Rank"
                                    << ScanResults().headerData(0, Qt::Horizontal).toString() << "Domain Name";

        QString listed;
        QString messages;
        QTextStream listOutput(&listed);
        QTextStream messageOutput(&messages);
        CommandLineScan(test.context.folder, test.context.settings, test.context.clock)
            .listSources(listOutput, messageOutput);
        QTest::newRow("--list-sources kind") << listed.section(u'\n', 0, 0).section(u'\t', 1, 1) << "web page"
                                             << shownKindName(Source::Kind::WebPage) << "web page";

        const QString missing = test.folder.filePath(QStringLiteral("missing.ini"));
        QTest::newRow("settings problem on the command line")
            << EngineSettingsFile::problem(EngineSettingsFile::State::Missing, missing, {})
            << QStringLiteral("The settings file \"%1\" is missing, so a scan has no search engine addresses.")
                   .arg(QDir::toNativeSeparators(missing))
            << EngineSettingsFile::shownProblem(EngineSettingsFile::State::Missing, missing, {})
            << EngineSettingsFile::problem(EngineSettingsFile::State::Missing, missing, {});
    }

    void filesAndCommandLineStayEnglish()
    {
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QFETCH(QString, shown);
        QFETCH(QString, shownInEnglish);
        QCOMPARE(written, expected);
        QVERIFY2(shown != shownInEnglish, qPrintable(shown));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
