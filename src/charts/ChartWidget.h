#pragma once

#include "charts/ChartGrid.h"
#include "charts/ChartProjection.h"

#include <QPoint>
#include <QWidget>

// Draws a ChartGrid as one of eight chart types (0..7): 3D bars, 2D bars,
// 3D lines, 2D lines, 3D areas, 2D areas, 3D steps, 2D steps. Dragging with
// the Control key held turns a three-dimensional chart; the view angle stays
// through changes between 3D types and returns to the start when a flat
// type is chosen.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    const ChartGrid& grid() const { return m_grid; }
    void setGrid(const ChartGrid& grid);

    int chartType() const { return m_chartType; }
    // A type outside 0..7 is ignored.
    void setChartType(int type);

    ViewAngle viewAngle() const { return m_angle; }
    void setViewAngle(ViewAngle angle);

    // Draws the chart into any paint device (widget, image, printer) at the
    // given rectangle, exactly as the widget shows it.
    void render(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void viewAngleChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ChartGrid m_grid;
    int m_chartType = 3;
    ViewAngle m_angle;
    bool m_rotating = false;
    QPoint m_dragStart;
    ViewAngle m_dragStartAngle;
};
