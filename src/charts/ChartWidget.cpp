#include "charts/ChartWidget.h"

#include "charts/ChartTypes.h"

#include <QEvent>
#include <QKeyEvent>
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
    setAccessibleName(tr("Chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void ChartWidget::setGrid(const ChartGrid& grid)
{
    m_grid = grid;
    redraw();
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
    redraw();
}

void ChartWidget::setViewAngle(ViewAngle angle)
{
    angle = angle.clamped();
    if (angle == m_angle)
        return;
    m_angle = angle;
    redraw();
    emit viewAngleChanged();
}

void ChartWidget::setSpaceDatesByTime(bool on)
{
    if (on == m_spaceDatesByTime)
        return;
    m_spaceDatesByTime = on;
    redraw();
}

ChartLook ChartWidget::look(const ChartColors& colors) const
{
    return {m_chartType, m_angle, m_spaceDatesByTime, colors};
}

void ChartWidget::render(QPainter& painter, const QRectF& target) const
{
    ChartRenderer(m_grid, look(ChartColors::fromPalette(palette())), font()).render(painter, target);
}

void ChartWidget::renderOnPaper(QPainter& painter, const QRectF& target) const
{
    ChartRenderer(m_grid, look(ChartColors::paper()), font()).render(painter, target);
}

QSize ChartWidget::sizeHint() const
{
    return {520, 360};
}

QSize ChartWidget::minimumSizeHint() const
{
    return {160, 120};
}

void ChartWidget::redraw()
{
    m_drawn = QPixmap();
    update();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawn.deviceIndependentSize() != QSizeF(size()) ||
        !qFuzzyCompare(m_drawn.devicePixelRatio(), ratio)) {
        m_drawn = QPixmap(size() * ratio);
        m_drawn.setDevicePixelRatio(ratio);
        QPainter drawing(&m_drawn);
        render(drawing, rect());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_drawn);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void ChartWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange || event->type() == QEvent::LocaleChange)
        redraw();
    QWidget::changeEvent(event);
}

void ChartWidget::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const double step = degreesPerKeyPress;
    ViewAngle angle = m_angle;
    switch (event->key()) {
    case Qt::Key_Left:
        angle.yaw -= step;
        break;
    case Qt::Key_Right:
        angle.yaw += step;
        break;
    case Qt::Key_Up:
        angle.pitch -= step;
        break;
    case Qt::Key_Down:
        angle.pitch += step;
        break;
    case Qt::Key_Home:
        angle = ViewAngle();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const bool turns = event->key() == Qt::Key_Home || control;
    if (!turns || !ChartTypes::isThreeD(m_chartType)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Like the drag: the chart's right side turns away, or more of its top
    // shows.
    setViewAngle(angle);
    event->accept();
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
