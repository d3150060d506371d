#include "TPanelStatusBar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <map>

namespace plumcrest {
namespace {
constexpr int kPanelGap = 2; // between panels, as the bar's own border spacing
constexpr int kTextInset = 3;

// One panel of a bar, as a child of the bar's interface; a link panel can be pressed.
class PanelAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PanelAccessible(TPanelStatusBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ && index_ < bar_->PanelCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (!isValid())
            return {};
        return kind == QAccessible::Name ? bar_->Panel(index_).text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = bar_->PanelRect(index_);
        return {bar_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override {
        return isValid() && bar_->Panel(index_).link ? QAccessible::Link : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !bar_ || !bar_->isVisible();
        state.linked = isValid() && bar_->Panel(index_).link;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && isValid() && bar_->Panel(index_).link)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid())
            emit bar_->PanelClicked(index_, Qt::LeftButton, Qt::NoModifier,
                                    bar_->PanelRect(index_).center().x(), bar_->height() / 2);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TPanelStatusBar> bar_;
    int index_;
};

// The bar and its panels; the panels' interfaces are registered with Qt and released with the
// bar's.
class StatusBarAccessible final : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(TPanelStatusBar* bar)
        : QAccessibleWidget(bar, QAccessible::StatusBar) {}
    ~StatusBarAccessible() override {
        for (const auto& [index, id] : panels_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Bar()->PanelCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = panels_.find(index);
        if (found == panels_.end())
            found = panels_
                        .emplace(index, QAccessible::registerAccessibleInterface(
                                            new PanelAccessible(Bar(), index)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : panels_)
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = Bar()->PanelAt(Bar()->mapFromGlobal(QPoint(x, y)).x());
        return index < 0 ? nullptr : child(index);
    }

private:
    TPanelStatusBar* Bar() const { return static_cast<TPanelStatusBar*>(widget()); }
    mutable std::map<int, QAccessible::Id> panels_;
};

QAccessibleInterface* StatusBarFactory(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<TPanelStatusBar*>(object))
        return new StatusBarAccessible(bar); // owned by Qt's accessibility cache
    return nullptr;
}

} // namespace

TPanelStatusBar::TPanelStatusBar(QWidget* parent) : QWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(&StatusBarFactory);
        return true;
    }();
    (void)accessible;
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
        if (panel.background.isValid())
            painter.fillRect(r, panel.background);
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
