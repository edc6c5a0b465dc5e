#include "charts/ChartWidget.h"

#include "charts/ChartRenderer.h"
#include "charts/ChartTypes.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// Degrees the chart turns per pixel of drag.
constexpr double degreesPerPixel = 0.4;
} // namespace

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MSChart1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void ChartWidget::setGrid(const ChartGrid& grid)
{
    m_grid = grid;
    update();
}

void ChartWidget::setChartType(int type)
{
    if (!ChartTypes::isValid(type))
        return;
    m_chartType = type;
    if (!ChartTypes::isThreeD(type) && !(m_angle == ViewAngle())) {
        m_angle = ViewAngle();
        emit viewAngleChanged();
    }
    update();
}

void ChartWidget::setViewAngle(ViewAngle angle)
{
    angle = angle.clamped();
    if (angle == m_angle)
        return;
    m_angle = angle;
    update();
    emit viewAngleChanged();
}

void ChartWidget::render(QPainter& painter, const QRectF& target) const
{
    ChartRenderer(m_grid, m_chartType, m_angle, font()).render(painter, target);
}

QSize ChartWidget::sizeHint() const
{
    return {520, 360};
}

QSize ChartWidget::minimumSizeHint() const
{
    return {160, 120};
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    render(painter, rect());
}

void ChartWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier) &&
        ChartTypes::isThreeD(m_chartType)) {
        m_rotating = true;
        m_dragStart = event->position().toPoint();
        m_dragStartAngle = m_angle;
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_rotating) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint moved = event->position().toPoint() - m_dragStart;
    // Dragging right turns the chart's right side away; dragging down shows
    // more of its top.
    setViewAngle(
        {m_dragStartAngle.yaw + moved.x() * degreesPerPixel, m_dragStartAngle.pitch + moved.y() * degreesPerPixel});
    event->accept();
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_rotating && event->button() == Qt::LeftButton) {
        m_rotating = false;
        unsetCursor();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
