#include "charts/ChartWidget.h"

#include <QPainter>

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MSChart1"));
}

void ChartWidget::setGrid(const ChartGrid& grid)
{
    m_grid = grid;
    update();
}

void ChartWidget::setChartType(int type)
{
    if (type < 0 || type > 7)
        return;
    m_chartType = type;
    update();
}

void ChartWidget::render(QPainter& painter, const QRectF& target) const
{
    painter.fillRect(target, Qt::white);
    painter.drawText(target, Qt::AlignHCenter | Qt::AlignTop, m_grid.title());
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    render(painter, rect());
}
