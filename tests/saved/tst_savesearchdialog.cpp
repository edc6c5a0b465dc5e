#include "saved/SaveCommand.h"
#include "saved/SaveSearchDialog.h"

#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "saved/SaveData.h"
#include "support/TestContext.h"
#include "support/Widgets.h"
#include "support/WriteProtection.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// A window's context on the day the expected files were saved.
struct Fixture : TestContext
{
    Fixture() { clock.setToday(QDate(2006, 5, 2)); }

    QString savedFile(const QString& name) const { return folder.filePath("Saved/" + name); }
    QByteArray readSaved(const QString& name) const { return folder.readFile("Saved/" + name); }
    QStringList savedFiles() const { return QDir(folder.filePath("Saved")).entryList(QDir::Files | QDir::Hidden); }
};

const ResultRow rowB = ResultRow::completed("b.example", {"120", "0", "45", "", "", ""}, {});
const QList<SavedCount> saveData = SaveData::countsOf(ResultsColumns::builtInColumns(), rowB);
const QByteArray savedOnMay2 = "\r\n[Google]\r\n05-02-06=120\r\n"
                               "\r\n[Altavista]\r\n05-02-06=0\r\n"
                               "\r\n[Yahoo!]\r\n05-02-06=45\r\n"
                               "\r\n[Ask]\r\n05-02-06=\r\n"
                               "\r\n[MSN]\r\n05-02-06=\r\n"
                               "\r\n[All The Web]\r\n05-02-06=\r\n";
const QString noSavedSearches = "You currently do not have any saved searches";
const QString selectFirst = "You must first select the item in the results list that you would like to save.";

// The results table of the main window, with three rows.
std::unique_ptr<ResultsView> makeResultsView(ScanResults& results)
{
    results.setRows({ResultRow::completed("a.example", {"1", "1", "1", "1", "1", "1"}, {}), rowB,
                     ResultRow::completed("c.example", {"0", "0", "0", "0", "0", "0"}, {})});
    return std::make_unique<ResultsView>(&results);
}

// Runs the action on the modal dialog once it is shown; gives up when the
// owner of the watch goes.
void whenModalShown(QObject* owner, std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(10);
}

} // namespace

class SaveSearchDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndCaptions()
    {
        Fixture f;
        SaveSearchDialog dialog(f.context, saveData);
        QCOMPARE(dialog.objectName(), QStringLiteral("Form5"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Save Search Results"));

        auto* oldFrame = child<QGroupBox>(dialog, "Frame1");
        auto* newFrame = child<QGroupBox>(dialog, "Frame2");
        QVERIFY(oldFrame && newFrame);
        QCOMPARE(oldFrame->title(), QStringLiteral("Save Into An Old Search Result"));
        QCOMPARE(newFrame->title(), QStringLiteral("Create New Save File"));
        QCOMPARE(child<QLabel>(*oldFrame, "Label1")->text(),
                 QStringLiteral("&Append new results to this previous search:"));
        QVERIFY(child<QComboBox>(*oldFrame, "Combo1"));
        QCOMPARE(child<QPushButton>(*oldFrame, "Command1")->text(), QStringLiteral("&Ok"));
        QCOMPARE(child<QLabel>(*newFrame, "Label2")->text(), QStringLiteral("Please choose a &name for this search:"));
        QCOMPARE(child<QLineEdit>(*newFrame, "Text1")->text(), QString());
        QCOMPARE(child<QPushButton>(*newFrame, "Command3")->text(), QStringLiteral("&Save"));
        QCOMPARE(child<QPushButton>(dialog, "Command2")->text(), QStringLiteral("&Cancel"));
    }

    void withoutSavedSearchesTellsAndOpensEmpty()
    {
        Fixture f;
        SaveSearchDialog dialog(f.context, saveData);
        QCOMPARE(f.prompts.shown().size(), 1);
        QCOMPARE(f.prompts.shown().at(0).kind, ScriptedPrompts::Kind::Information);
        QCOMPARE(f.prompts.shown().at(0).text, noSavedSearches);
        QCOMPARE(f.prompts.shown().at(0).caption, QStringLiteral("Information"));
        QCOMPARE(child<QComboBox>(dialog, "Combo1")->count(), 0);

        // "Ok" with nothing chosen says so and keeps the dialog open.
        dialog.show();
        click(dialog, "Command1");
        QCOMPARE(f.prompts.shown().size(), 2);
        QCOMPARE(f.prompts.shown().at(1).text, QStringLiteral("Please choose a saved file in the dropdown box above"));
        QCOMPARE(f.prompts.shown().at(1).caption, QStringLiteral("Select A Saved Search"));
        QVERIFY(dialog.isVisible());
        QVERIFY(f.savedFiles().isEmpty());
    }

    void listsSavedSearchesAlphabetically()
    {
        Fixture f;
        for (const char* name : {"b.qvh", "A.qvh", "c.d.QVH", "list.txt"})
            QVERIFY(f.folder.writeFile(QStringLiteral("Saved/") + name, "\r\n[Google]\r\n05-01-06=1\r\n"));
        SaveSearchDialog dialog(f.context, saveData);
        auto* combo = child<QComboBox>(dialog, "Combo1");
        QStringList listed;
        for (int i = 0; i < combo->count(); ++i)
            listed << combo->itemText(i);
        QCOMPARE(listed, (QStringList{"A", "b", "c.d"}));
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(f.prompts.shown().isEmpty());
    }

    void okAppendsToTheChosenSearch()
    {
        Fixture f;
        QVERIFY(f.folder.writeFile("Saved/site.qvh", "\r\n[Google]\r\n05-01-06=100\r\n"));
        QVERIFY(f.folder.writeFile("Saved/other.qvh", "\r\n[Google]\r\n05-01-06=7\r\n"));
        SaveSearchDialog dialog(f.context, saveData);
        dialog.show();
        auto* combo = child<QComboBox>(dialog, "Combo1");
        combo->setCurrentIndex(combo->findText("site"));
        click(dialog, "Command1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.savedName(), QStringLiteral("site"));
        QCOMPARE(f.readSaved("site.qvh"), QByteArray("\r\n[Google]\r\n05-02-06=120\r\n05-01-06=100\r\n"
                                                     "\r\n[Altavista]\r\n05-02-06=0\r\n"
                                                     "\r\n[Yahoo!]\r\n05-02-06=45\r\n"
                                                     "\r\n[Ask]\r\n05-02-06=\r\n"
                                                     "\r\n[MSN]\r\n05-02-06=\r\n"
                                                     "\r\n[All The Web]\r\n05-02-06=\r\n"));
        QCOMPARE(f.readSaved("other.qvh"), QByteArray("\r\n[Google]\r\n05-01-06=7\r\n"));
        QVERIFY(f.prompts.shown().isEmpty());
    }

    void saveStartsANewSearch()
    {
        Fixture f;
        f.prompts.clear();
        SaveSearchDialog dialog(f.context, saveData);
        dialog.show();
        child<QLineEdit>(dialog, "Text1")->setText("new site");
        click(dialog, "Command3");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.readSaved("new site.qvh"), savedOnMay2);
    }

    void saveOverAnExistingNameRestartsIt()
    {
        Fixture f;
        QVERIFY(f.folder.writeFile("Saved/site.qvh",
                                   "\r\n[Google]\r\n05-01-06=100\r\n\r\n[All The Web]\r\n05-01-06=9\r\n"));
        SaveSearchDialog dialog(f.context, saveData);
        dialog.show();
        child<QLineEdit>(dialog, "Text1")->setText("site");
        click(dialog, "Command3");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.readSaved("site.qvh"), QByteArray("\r\n[Google]\r\n05-02-06=120\r\n"
                                                     "\r\n[All The Web]\r\n05-02-06=\r\n"
                                                     "\r\n[Altavista]\r\n05-02-06=0\r\n"
                                                     "\r\n[Yahoo!]\r\n05-02-06=45\r\n"
                                                     "\r\n[Ask]\r\n05-02-06=\r\n"
                                                     "\r\n[MSN]\r\n05-02-06=\r\n"));
    }

    void returnInTheNameBoxSaves()
    {
        Fixture f;
        SaveSearchDialog dialog(f.context, saveData);
        dialog.show();
        auto* name = child<QLineEdit>(dialog, "Text1");
        QTest::keyClicks(name, "typed");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.readSaved("typed.qvh"), savedOnMay2);
    }

    void refusedNamesKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("leading dot") << ".site";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("colon") << "a:b";
        QTest::newRow("star") << "*";
        QTest::newRow("question mark") << "why?";
        QTest::newRow("quote") << "\"q\"";
        QTest::newRow("angle brackets") << "<a>";
        QTest::newRow("bar") << "a|b";
    }

    void refusedNamesKeepTheDialogOpen()
    {
        QFETCH(QString, name);
        Fixture f;
        QVERIFY(f.folder.writeFile("Saved/x.qvh", "\r\n[Google]\r\n05-01-06=1\r\n"));
        SaveSearchDialog dialog(f.context, saveData);
        dialog.show();
        child<QLineEdit>(dialog, "Text1")->setText(name);
        click(dialog, "Command3");
        QCOMPARE(f.prompts.shown().size(), 1);
        QCOMPARE(f.prompts.shown().at(0).kind, ScriptedPrompts::Kind::Notice);
        QCOMPARE(f.prompts.shown().at(0).caption, QStringLiteral("Quorvex Full"));
        if (!name.isEmpty())
            QVERIFY(f.prompts.shown().at(0).text.contains(name));
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.savedFiles(), QStringList{"x.qvh"});
    }

    void failedWriteIsReportedAndTheDialogStaysOpen()
    {
        Fixture f;
        QVERIFY(QDir(f.folder.filePath("Saved")).removeRecursively());
        f.prompts.clear();
        SaveSearchDialog dialog(f.context, saveData);
        f.prompts.clear();
        dialog.show();
        child<QLineEdit>(dialog, "Text1")->setText("site");
        click(dialog, "Command3");
        QCOMPARE(f.prompts.shown().size(), 1);
        const ScriptedPrompts::Shown shown = f.prompts.shown().at(0);
        QCOMPARE(shown.kind, ScriptedPrompts::Kind::Error);
        QVERIFY2(shown.text.contains(QDir::toNativeSeparators(f.savedFile("site.qvh"))), qPrintable(shown.text));
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFileInfo::exists(f.folder.filePath("Saved")));
    }

    void readOnlyFolderKeepsTheOldFile()
    {
        Fixture f;
        const QByteArray before = "\r\n[Google]\r\n05-01-06=100\r\n";
        QVERIFY(f.folder.writeFile("Saved/site.qvh", before));
        WriteProtection protection(f.folder.filePath("Saved"));
        if (!protection.isEffective())
            QSKIP("This process can write into a write-protected folder");
        SaveSearchDialog dialog(f.context, saveData);
        dialog.show();
        auto* combo = child<QComboBox>(dialog, "Combo1");
        combo->setCurrentIndex(combo->findText("site"));
        click(dialog, "Command1");
        child<QLineEdit>(dialog, "Text1")->setText("site");
        click(dialog, "Command3");
        QCOMPARE(f.prompts.shown().size(), 2);
        for (const ScriptedPrompts::Shown& shown : f.prompts.shown()) {
            QCOMPARE(shown.kind, ScriptedPrompts::Kind::Error);
            QVERIFY(shown.text.contains(QDir::toNativeSeparators(f.savedFile("site.qvh"))));
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.readSaved("site.qvh"), before);
    }

    void cancelWritesNothing()
    {
        Fixture f;
        SaveSearchDialog dialog(f.context, saveData);
        dialog.show();
        child<QLineEdit>(dialog, "Text1")->setText("site");
        click(dialog, "Command2");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QVERIFY(f.savedFiles().isEmpty());
    }

    void theSelectedRowIsSaved()
    {
        ScanResults results;
        auto view = makeResultsView(results);
        QVERIFY(!view->selectedRow());
        view->table()->selectionModel()->select(view->table()->model()->index(1, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(view->selectedRow(), &results.row(1));
        // A current row that is not selected does not count.
        view->table()->clearSelection();
        view->table()->selectionModel()->setCurrentIndex(view->table()->model()->index(2, 0),
                                                         QItemSelectionModel::NoUpdate);
        QVERIFY(!view->selectedRow());
    }

    void saveCommandWithoutSelectionOpensNoDialog()
    {
        Fixture f;
        QWidget owner;
        bool dialogShown = false;
        whenModalShown(&owner, [&](QWidget* modal) {
            dialogShown = true;
            modal->close();
        });
        QVERIFY(!runSaveCommand(nullptr, ResultsColumns::builtInColumns(), f.context, &owner));
        QTest::qWait(50);
        QVERIFY(!dialogShown);
        QCOMPARE(f.prompts.shown().size(), 1);
        QCOMPARE(f.prompts.shown().at(0).kind, ScriptedPrompts::Kind::Notice);
        QCOMPARE(f.prompts.shown().at(0).text, selectFirst);
        QCOMPARE(f.prompts.shown().at(0).caption, QStringLiteral("Quorvex Full"));
    }

    // The dialog opens on the saved search named after the row's site, as a
    // scan that saves each site names it.
    void saveCommandChoosesTheSitesSearch_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("named after the site") << "b.example" << QStringList{"a", "b.example", "c"} << "b.example";
        QTest::newRow("scheme, www. and slash left out")
            << "http://www.b.example/" << QStringList{"b.example", "www.b.example"} << "b.example";
        QTest::newRow("other letter case") << "B.Example" << QStringList{"a", "b.example"} << "b.example";
        QTest::newRow("none for the site") << "d.example" << QStringList{"b.example"} << "";
    }

    void saveCommandChoosesTheSitesSearch()
    {
        QFETCH(QString, site);
        QFETCH(QStringList, names);
        QFETCH(QString, chosen);
        Fixture f;
        for (const QString& name : names)
            QVERIFY(f.folder.writeFile("Saved/" + name + ".qvh", "\r\n[Google]\r\n05-01-06=1\r\n"));
        QWidget owner;
        QString shown;
        whenModalShown(&owner, [&](QWidget* modal) {
            shown = child<QComboBox>(*modal, "Combo1")->currentText();
            modal->close();
        });
        const ResultRow row = ResultRow::completed(site, {"1", "2", "3", "4", "5", "6"}, {});
        QVERIFY(!runSaveCommand(&row, ResultsColumns::builtInColumns(), f.context, &owner));
        QCOMPARE(shown, chosen);
    }

    void saveCommandSavesTheSelectedRow()
    {
        Fixture f;
        QWidget owner;
        owner.show();
        QString dialogName;
        whenModalShown(&owner, [&](QWidget* modal) {
            dialogName = modal->objectName();
            child<QLineEdit>(*modal, "Text1")->setText("b site");
            click(*modal, "Command3");
        });
        QString confirmation;
        QVERIFY(runSaveCommand(&rowB, ResultsColumns::builtInColumns(), f.context, &owner, &confirmation));
        QCOMPARE(confirmation, QStringLiteral("Saved the counts of b.example in the saved search \"b site\"."));
        QCOMPARE(dialogName, QStringLiteral("Form5"));
        QCOMPARE(f.readSaved("b site.qvh"), savedOnMay2);
        // Only the empty-folder notice of the dialog was shown.
        QCOMPARE(f.prompts.messages(), QStringList{noSavedSearches});
    }
};

QTEST_MAIN(SaveSearchDialogTest)
#include "tst_savesearchdialog.moc"
