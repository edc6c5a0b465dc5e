#pragma once

#include "charts/ChartGrid.h"

#include <QWidget>

// Draws a ChartGrid as one of eight chart types (0..7): 3D bars, 2D bars,
// 3D lines, 2D lines, 3D areas, 2D areas, 3D steps, 2D steps.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    const ChartGrid& grid() const { return m_grid; }
    void setGrid(const ChartGrid& grid);

    int chartType() const { return m_chartType; }
    void setChartType(int type);

    // Draws the chart into any paint device (widget, image, printer) at the
    // given rectangle, exactly as the widget shows it.
    void render(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartGrid m_grid;
    int m_chartType = 3;
};
