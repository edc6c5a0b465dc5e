#include "scan/RepaintThrottle.h"
#include "support/EventCounter.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

// A window with a label that changes, a label that does not, and a list
// that grows.
struct Window
{
    Window()
    {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* widget :
             {static_cast<QWidget*>(changing), static_cast<QWidget*>(unchanged), static_cast<QWidget*>(list)})
            layout->addWidget(widget);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        for (QWidget* widget : {static_cast<QWidget*>(changing), static_cast<QWidget*>(unchanged), list->viewport()})
            paints.watch(widget);
    }

    // The widget whose paints tell whether the change was painted.
    QObject* painted(const QString& change) const
    {
        return change == QLatin1String("row added") ? list->viewport() : static_cast<QObject*>(changing);
    }

    QWidget window;
    QLabel* changing = new QLabel(QStringLiteral("before"));
    QLabel* unchanged = new QLabel(QStringLiteral("still"));
    QTreeWidget* list = new QTreeWidget;
    EventCounter paints{QEvent::Paint};
    bool exposed = false;
};

void change(Window& w, const QString& how, int step)
{
    if (how == QLatin1String("text set"))
        w.changing->setText(QStringLiteral("text %1").arg(step));
    else if (how == QLatin1String("update()"))
        w.changing->update();
    else if (how == QLatin1String("repaint()"))
        w.changing->repaint();
    else
        w.list->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("row %1").arg(step)}));
}

} // namespace

class RepaintThrottleTest : public QObject
{
    Q_OBJECT

private slots:
    // However a widget asks to be painted (a posted update, an immediate
    // repaint, a change of contents), the window paints it only when the
    // interval has passed or the throttle goes off, and then paints only
    // the widgets that changed. Before the throttle the window would have
    // painted at every change.
    void paintsWaitAndOnlyWhatChanged_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("text set") << "text set";
        QTest::newRow("update") << "update()";
        QTest::newRow("immediate repaint") << "repaint()";
        QTest::newRow("row added") << "row added";
    }

    void paintsWaitAndOnlyWhatChanged()
    {
        QFETCH(QString, how);
        Window w;
        QVERIFY(w.exposed);
        QCoreApplication::processEvents();
        // An interval no test outlasts: only switching off paints.
        RepaintThrottle throttle(w.changing, 3600 * 1000);
        throttle.setOn(true);
        QVERIFY(throttle.isOn());
        w.paints.clear();
        for (int step = 0; step < 20; ++step) {
            change(w, how, step);
            QCoreApplication::processEvents();
        }
        QTest::qWait(50);
        QCOMPARE(w.paints.count(w.painted(how)), 0);

        throttle.setOn(false);
        QVERIFY(w.paints.count(w.painted(how)) > 0);
        QCOMPARE(w.paints.count(w.unchanged), 0);
        // Off, the window paints as usual again.
        w.paints.clear();
        change(w, how, 99);
        QTRY_VERIFY(w.paints.count(w.painted(how)) > 0);
    }
};

QTEST_MAIN(RepaintThrottleTest)
#include "tst_repaintthrottle.moc"
