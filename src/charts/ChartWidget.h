#pragma once

#include "charts/ChartGrid.h"
#include "charts/ChartProjection.h"
#include "charts/ChartRenderer.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

// Draws a ChartGrid as one of eight chart types (0..7): 3D bars, 2D bars,
// 3D lines, 2D lines, 3D areas, 2D areas, 3D steps, 2D steps, in the colours
// of its palette. A three-dimensional chart turns by dragging with the
// Control key held, or with the keyboard focus by Control and the arrow
// keys, 5 degrees a press; Home turns it back. The view angle stays through
// changes between 3D types and returns to the start when a flat type is
// chosen.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr double degreesPerKeyPress = 5;

    explicit ChartWidget(QWidget* parent = nullptr);

    const ChartGrid& grid() const { return m_grid; }
    void setGrid(const ChartGrid& grid);

    int chartType() const { return m_chartType; }
    // A type outside 0..7 is ignored.
    void setChartType(int type);

    ViewAngle viewAngle() const { return m_angle; }
    void setViewAngle(ViewAngle angle);

    // Whether flat types place dated rows by the time between them (on) or
    // evenly (off).
    bool spaceDatesByTime() const { return m_spaceDatesByTime; }
    void setSpaceDatesByTime(bool on);

    // Draws the chart into any paint device (widget, image, printer) at the
    // given rectangle, exactly as the widget shows it.
    void render(QPainter& painter, const QRectF& target) const;
    // The same drawing in black on white, whatever the palette: for paper
    // and for files.
    void renderOnPaper(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void viewAngleChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ChartLook look(const ChartColors& colors) const;
    // The drawing changed: the next paint draws it afresh.
    void redraw();

    ChartGrid m_grid;
    int m_chartType = 3;
    ViewAngle m_angle;
    bool m_spaceDatesByTime = true;
    bool m_rotating = false;
    QPoint m_dragStart;
    ViewAngle m_dragStartAngle;
    // The chart as last drawn: a repaint that changes nothing (an expose,
    // the focus frame) copies it instead of drawing thousands of points.
    QPixmap m_drawn;
};
