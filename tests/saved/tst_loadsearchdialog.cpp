#include "saved/LoadSearchDialog.h"

#include "support/TestContext.h"
#include "support/Widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray savedSearch = "\r\n[Google]\r\n05-01-06=1\r\n";

QComboBox* combo(QWidget& dialog)
{
    return dialog.findChild<QComboBox*>("Combo1");
}

} // namespace

class LoadSearchDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndCaptions()
    {
        TestContext test;
        LoadSearchDialog dialog(test.context);
        QCOMPARE(dialog.objectName(), QStringLiteral("Form4"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Load Saved Search"));
        auto* frame = dialog.findChild<QGroupBox*>("Frame1");
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("Select saved search to load"));
        QVERIFY(frame->findChild<QComboBox*>("Combo1"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command1")->text(), QStringLiteral("&Ok"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command2")->text(), QStringLiteral("&Cancel"));
    }

    void withoutSavedSearchesTellsAndAsksForAChoice()
    {
        TestContext test;
        LoadSearchDialog dialog(test.context);
        QCOMPARE(test.prompts.shown().size(), 1);
        QCOMPARE(test.prompts.shown().at(0).kind, ScriptedPrompts::Kind::Information);
        QCOMPARE(test.prompts.shown().at(0).text, QStringLiteral("You currently do not have any saved searches"));
        QCOMPARE(test.prompts.shown().at(0).caption, QStringLiteral("Information"));
        QCOMPARE(combo(dialog)->count(), 0);

        dialog.show();
        click(dialog, "Command1");
        QCOMPARE(test.prompts.shown().size(), 2);
        QCOMPARE(test.prompts.shown().at(1).kind, ScriptedPrompts::Kind::Information);
        QCOMPARE(test.prompts.shown().at(1).text,
                 QStringLiteral("Please choose a saved file in the dropdown box above"));
        QCOMPARE(test.prompts.shown().at(1).caption, QStringLiteral("Select A Saved Search"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.chartFileName(), QString());
    }

    void okWithoutAChoiceKeepsTheDialogOpen()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", savedSearch));
        LoadSearchDialog dialog(test.context);
        QVERIFY(test.prompts.shown().isEmpty());
        QCOMPARE(combo(dialog)->currentText(), QString());
        dialog.show();
        click(dialog, "Command1");
        QCOMPARE(test.prompts.messages(), QStringList{"Please choose a saved file in the dropdown box above"});
        QVERIFY(dialog.isVisible());
    }

    void namesListedAlphabetically()
    {
        TestContext test;
        for (const char* name : {"zeta.qvh", "Beta.QVH", "alpha.qvh", "gamma.txt"})
            QVERIFY(test.folder.writeFile(QStringLiteral("Saved/") + name, savedSearch));
        LoadSearchDialog dialog(test.context);
        QStringList listed;
        for (int i = 0; i < combo(dialog)->count(); ++i)
            listed << combo(dialog)->itemText(i);
        QCOMPARE(listed, (QStringList{"alpha", "Beta", "zeta"}));
    }

    void choosingANameWithADotGivesItsFile()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/a.b.qvh", savedSearch));
        QVERIFY(test.folder.writeFile("Saved/a.qvh", savedSearch));
        LoadSearchDialog dialog(test.context);
        dialog.show();
        const int index = combo(dialog)->findText("a.b");
        QVERIFY(index >= 0);
        combo(dialog)->setCurrentIndex(index);
        click(dialog, "Command1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.chartFileName(), QStringLiteral("a.b.qvh"));
        QVERIFY(test.prompts.shown().isEmpty());
    }

    void cancelChoosesNothing()
    {
        TestContext test;
        QVERIFY(test.folder.writeFile("Saved/site.qvh", savedSearch));
        LoadSearchDialog dialog(test.context);
        dialog.show();
        combo(dialog)->setCurrentIndex(0);
        click(dialog, "Command2");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.chartFileName(), QString());
    }
};

QTEST_MAIN(LoadSearchDialogTest)
#include "tst_loadsearchdialog.moc"
