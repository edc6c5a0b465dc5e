#include "engines/SourceList.h"
#include "scan/SourceEditDialog.h"
#include "scan/WebGraphBuildDialog.h"
#include "webgraph/WebGraphIndex.h"

#include "WebGraphGenerator.h"
#include "support/TestContext.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

enum class Ending { Built, BuiltWithoutRanks, BadLine, Cancelled, NoVertices };

} // namespace

Q_DECLARE_METATYPE(Ending)

// Build Index... of the source editor, driven through its prompts and its
// progress dialog's Cancel, on a graph the generator writes.
class WebGraphBuildDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void buildsAndPointsTheSourceAtTheIndex_data()
    {
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<QString>("query");   // the editor's address afterwards
        QTest::addColumn<QString>("message"); // the start of the message shown
        QTest::newRow("built with ranks") << Ending::Built << "webgraph:WebGraph/test-2024-domain.qvg"
                                          << "Indexed 2000 domains and 30000 links of test-2024, with ranks, in ";
        QTest::newRow("built without ranks") << Ending::BuiltWithoutRanks << "webgraph:WebGraph/test-2024-domain.qvg"
                                             << "Indexed 2000 domains and 30000 links of test-2024, in ";
        QTest::newRow("a bad line") << Ending::BadLine << "webgraph:WebGraph/old.qvg"
                                    << "The index %1 was not built.\n\n%2, line 2: ";
        QTest::newRow("cancelled") << Ending::Cancelled << "webgraph:WebGraph/old.qvg"
                                   << "The build was cancelled: no index was written, and %1 is as it was.";
        QTest::newRow("no vertices file chosen") << Ending::NoVertices << "webgraph:WebGraph/old.qvg"
                                                 << "";
    }

    void buildsAndPointsTheSourceAtTheIndex()
    {
        QFETCH(Ending, ending);
        QFETCH(QString, query);
        QFETCH(QString, message);
        TestContext test;
        WebGraphGeneratorOptions options;
        options.vertices = 2000;
        // Cancel is pressed as the build starts: a larger graph leaves it time.
        options.edges = ending == Ending::Cancelled ? 400000 : 30000;
        QString error;
        QVERIFY(QDir().mkpath(test.folder.filePath("Downloads")));
        const std::optional<GeneratedWebGraph> graph =
            generateWebGraph(test.folder.filePath("Downloads"), "test-2024", options, &error);
        QVERIFY2(graph, qPrintable(error));
        QString edges = graph->edges;
        if (ending == Ending::BadLine) {
            edges = test.folder.filePath("Downloads/test-2024-domain-edges.txt");
            QVERIFY(writeBytes(edges, "0\t1\n0 x\n"));
        }
        // An index built earlier stays as it was unless the build succeeds.
        const QString output = test.folder.filePath("WebGraph/test-2024-domain.qvg");
        const QByteArray older = "an older index";
        QVERIFY(test.folder.writeFile("WebGraph/test-2024-domain.qvg", older));

        Source source;
        source.queryTemplate = QStringLiteral("webgraph:WebGraph/old.qvg");
        const SourceList sources;
        SourceEditDialog editor(source, sources, test.context);
        if (ending == Ending::NoVertices) {
            test.prompts.queueCancel();
        } else {
            test.prompts.queueText(graph->vertices);
            test.prompts.queueText(edges);
            if (ending == Ending::BuiltWithoutRanks)
                test.prompts.queueCancel();
            else
                test.prompts.queueText(graph->ranks);
            test.prompts.queueText(output);
        }
        QSignalSpy finished(editor.indexBuild(), &WebGraphBuildDialog::finished);
        editor.buildIndexButton()->click();
        if (ending == Ending::NoVertices) {
            QVERIFY(!editor.indexBuild()->isRunning());
            QCOMPARE(test.prompts.shown().size(), 1);
        } else {
            QProgressDialog* progress = editor.indexBuild()->progressDialog();
            QVERIFY(progress && progress->isVisible());
            if (ending == Ending::Cancelled)
                progress->findChild<QPushButton*>()->click();
            QVERIFY(finished.wait(60000));
            // The index is offered where the source's index is, named after the release and level.
            QCOMPARE(test.prompts.shown().at(3).extra, output);
        }
        QCOMPARE(editor.findChild<QLineEdit*>("sourceQuery")->text(), query);
        const QStringList shown = test.prompts.messages();
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(shown.first().startsWith(message.arg(output, edges)), qPrintable(shown.first()));
        }
        const bool built = ending == Ending::Built || ending == Ending::BuiltWithoutRanks;
        WebGraphIndex index;
        QCOMPARE(index.open(output), built);
        if (built)
            QCOMPARE(index.hasRanks(), ending == Ending::Built);
        else
            QCOMPARE(readBytes(output), older);
    }
};

QTEST_MAIN(WebGraphBuildDialogTest)
#include "tst_webgraphbuilddialog.moc"
