#include "TPanelStatusBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace plumcrest {
namespace {
constexpr int kPanelGap = 2; // between panels, as the bar's own border spacing
constexpr int kTextInset = 3;
} // namespace

TPanelStatusBar::TPanelStatusBar(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Right clicks reach the bar itself, so the panel click comes before the window's menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAutoFillBackground(false);
}

int TPanelStatusBar::AddPanel(const StatusPanel& panel) {
    panels_.push_back(panel);
    update();
    return PanelCount() - 1;
}

void TPanelStatusBar::SetPanelText(int index, const QString& text) {
    auto& panel = Panel(index);
    if (panel.text == text)
        return;
    panel.text = text;
    update(PanelRect(index));
}

void TPanelStatusBar::SetPanelWidth(int index, int width) {
    Panel(index).width = width;
    update();
}

QRect TPanelStatusBar::PanelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += Panel(i).width + kPanelGap;
    return QRect(left, 0, Panel(index).width, height());
}

int TPanelStatusBar::PanelAt(int x) const {
    for (int i = 0; i < PanelCount(); ++i) {
        const QRect r = PanelRect(i);
        if (x >= r.left() && x <= r.right())
            return i;
    }
    return -1;
}

void TPanelStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int i = 0; i < PanelCount(); ++i) {
        const auto& panel = Panel(i);
        const QRect r = PanelRect(i);
        if (panel.bevel == PanelBevel::Lowered) {
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(palette().color(QPalette::Light));
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
        }
        painter.setFont(panel.ownFont ? panel.font : font());
        painter.setPen(panel.color.isValid() ? panel.color : palette().color(QPalette::WindowText));
        // A panel without a bevel has no border to keep clear of.
        const int inset = panel.bevel == PanelBevel::None ? 0 : kTextInset;
        painter.drawText(r.adjusted(inset, 0, -inset, 0), int(panel.alignment), panel.text);
    }
    // Size grip, as the bar carries one; the window's fixed size makes it decorative.
    QStyleOptionSizeGrip grip;
    grip.initFrom(this);
    grip.corner = Qt::BottomRightCorner;
    grip.rect = QRect(width() - height(), 0, height(), height());
    style()->drawControl(QStyle::CE_SizeGrip, &grip, &painter, this);
}

void TPanelStatusBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseMoved(event->modifiers(), p.x(), p.y());
    QWidget::mouseMoveEvent(event);
}

void TPanelStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const int index = PanelAt(p.x());
    if (index >= 0)
        emit PanelClicked(index, event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::RightButton)
        emit ContextMenuWanted(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void TPanelStatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

} // namespace plumcrest
