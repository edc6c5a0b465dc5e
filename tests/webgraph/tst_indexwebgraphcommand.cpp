#include "webgraph/WebGraphIndex.h"

#include "GzipFileWriter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <signal.h>
#endif

// quorvex --index-webgraph as the built program runs it.
class IndexWebGraphCommandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // The arguments with V, E, R, C and OUT standing for the files.
    QStringList arguments(const QString& line) const
    {
        QStringList arguments = line.split(u' ', Qt::SkipEmptyParts);
        for (QString& argument : arguments) {
            static const QStringList names{"V", "E", "R", "C", "OUT", "BAD"};
            static const QStringList files{"graph-vertices.txt", "graph-edges.txt", "graph-ranks.txt",
                                           "joined-counts.tsv",  "index.qvg",       "bad-edges.txt"};
            if (names.contains(argument))
                argument = path(files[names.indexOf(argument)]);
        }
        return arguments;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeBytes(path("graph-vertices.txt"), "0\tcom.a\n1\tcom.b\n2\tcom.c\n"));
        QVERIFY(writeBytes(path("graph-edges.txt"), "0\t1\n1\t2\n2\t1\n"));
        QVERIFY(writeBytes(path("bad-edges.txt"), "0\t1\n1:2\n"));
        QVERIFY(writeBytes(path("graph-ranks.txt"), "#pos\tval\tpos\tval\tname\n1\t2.0E0\t1\t1.0E-9\tcom.b\n"));
        QVERIFY(writeBytes(path("joined-counts.tsv"), "com.a\t4\ncom.b\t7\t1\n"));
    }

    void exitStatus_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<quint64>("vertices"); // of the index written, 0 for none

        QTest::newRow("built") << "--index-webgraph V E R --output OUT" << 0
                               << "Indexed 3 hosts and 3 links of graph, with ranks, in " << quint64(3);
        QTest::newRow("quiet") << "--index-webgraph V E --output OUT --quiet" << 0 << "" << quint64(3);
        QTest::newRow("counts") << "--index-webgraph --counts C --output OUT" << 0
                                << "Indexed 2 domains and 11 links of joined, with ranks" << quint64(2);
        QTest::newRow("no output") << "--index-webgraph V E" << 2 << "--index-webgraph needs --output INDEX."
                                   << quint64(0);
        QTest::newRow("one file") << "--index-webgraph V --output OUT" << 2
                                  << "--index-webgraph takes VERTICES EDGES [RANKS], or --counts COUNTS." << quint64(0);
        QTest::newRow("counts and files")
            << "--index-webgraph V E --counts C --output OUT" << 2 << "--index-webgraph takes" << quint64(0);
        QTest::newRow("with --scan") << "--index-webgraph V E --output OUT --scan V" << 2
                                     << "--index-webgraph goes with --counts, --output and --quiet only." << quint64(0);
        QTest::newRow("output alone") << "--output OUT" << 2 << "--counts and --output only go with --index-webgraph."
                                      << quint64(0);
        QTest::newRow("malformed line") << "--index-webgraph V BAD --output OUT --quiet" << 2
                                        << "bad-edges.txt, line 2: expected two vertex ids" << quint64(0);
        QTest::newRow("missing file") << "--index-webgraph V E missing.txt --output OUT" << 2
                                      << "missing.txt: no such file" << quint64(0);
        QTest::newRow("output over an input")
            << "--index-webgraph V E --output E" << 2
            << "graph-edges.txt: the index would take the place of an input file" << quint64(0);
        QTest::newRow("output a folder") << QStringLiteral("--index-webgraph V E --output ") + QDir::tempPath() << 1
                                         << "it is a folder" << quint64(0);
        QTest::newRow("folder not there")
            << "--index-webgraph V E --output /nonexistent-folder/index.qvg" << 1 << "cannot write" << quint64(0);
    }

    void exitStatus()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(quint64, vertices);
        QFile::remove(path("index.qvg"));
        QProcess program;
        program.start(QStringLiteral(QUORVEX_PROGRAM), arguments(line));
        QVERIFY(program.waitForFinished(60000));
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(message.isEmpty() ? errors.isEmpty() : errors.contains(message), qPrintable(errors));
        WebGraphIndex index;
        QCOMPARE(index.open(path("index.qvg")), vertices > 0);
        QCOMPARE(index.vertexCount(), vertices);
    }

    void helpGivesTheExitStatus()
    {
        QProcess program;
        program.start(QStringLiteral(QUORVEX_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(
            program.readAllStandardOutput().contains("Exit status of --index-webgraph: 0 when the index was built"));
    }

    void interruptionKeepsTheEarlierIndex_data()
    {
        QTest::addColumn<int>("signal");
#if defined(Q_OS_UNIX)
        QTest::newRow("Ctrl+C") << int(SIGINT);
        QTest::newRow("terminated") << int(SIGTERM);
#endif
    }

    void interruptionKeepsTheEarlierIndex()
    {
#if !defined(Q_OS_UNIX)
        QSKIP("signals are sent the POSIX way");
#else
        QFETCH(int, signal);
        // Gigabytes of edges in a small file: the same gzip member over and over.
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("v.txt"), "0\tcom.a\n1\tcom.b\n"));
        GzipFileWriter edges(dir.filePath("member.gz"), 9);
        QVERIFY(edges.open() && edges.write(QByteArray("0\t1\n").repeated(1 << 20)) && edges.close());
        QVERIFY(writeBytes(dir.filePath("e.txt.gz"), readBytes(dir.filePath("member.gz")).repeated(500)));
        const QString output = dir.filePath("index.qvg");
        QVERIFY(writeBytes(output, "earlier index"));
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);

        QProcess program;
        program.start(QStringLiteral(QUORVEX_PROGRAM),
                      {"--index-webgraph", dir.filePath("v.txt"), dir.filePath("e.txt.gz"), "--output", output});
        QByteArray errors;
        QVERIFY(QTest::qWaitFor(
            [&] {
                errors += program.readAllStandardError();
                return errors.contains("Counting the edges") || program.state() == QProcess::NotRunning;
            },
            60000));
        QCOMPARE(::kill(pid_t(program.processId()), signal), 0);
        QVERIFY(program.waitForFinished(60000));
        errors += program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 128 + signal);
        QVERIFY2(errors.contains("Interrupted: no index was written"), errors.constData());
        QCOMPARE(readBytes(output), QByteArray("earlier index"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
#endif
    }
};

QTEST_GUILESS_MAIN(IndexWebGraphCommandTest)
#include "tst_indexwebgraphcommand.moc"
