#include "FocusRing.h"

#include "Contrast.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <vector>

namespace plumcrest {
namespace {

// How far the ring stands out from the control, and how wide it is drawn.
constexpr int kMargin = 3;
constexpr int kWidth = 2;

// A band around the watched control, drawn over its window so that no parent's edge cuts it,
// and clipped to the scroll area the control sits in. It follows the control (and the areas
// around it) as they move, resize, scroll, hide or go.
class Ring final : public QWidget {
public:
    explicit Ring(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoChildEventsForParent);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("focusRing"));
        hide();
    }

    void Watch(QWidget* widget) {
        for (const QPointer<QWidget>& each : chain_)
            if (each)
                each->removeEventFilter(this);
        chain_.clear();
        watched_ = widget;
        if (!widget || !widget->window() || widget->isWindow()) {
            hide();
            return;
        }
        if (parentWidget() != widget->window())
            setParent(widget->window());
        for (QWidget* each = widget; each && !each->isWindow(); each = each->parentWidget()) {
            each->installEventFilter(this);
            chain_.push_back(each);
        }
        Follow();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            Follow();
            break;
        case QEvent::ParentChange:
            if (object == watched_)
                Watch(watched_);
            break;
        default:
            break;
        }
        return QWidget::eventFilter(object, event);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(contrast::FocusColour(watched_ ? watched_->palette() : palette()));
        pen.setWidth(kWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal half = kWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }

private:
    void Follow() {
        if (!watched_ || !watched_->isVisible() || !parentWidget()) {
            hide();
            return;
        }
        QWidget* window = parentWidget();
        const QRect control(watched_->mapTo(window, QPoint(0, 0)), watched_->size());
        // At the window's edge the band runs just inside it, over the control's own border.
        const QRect around =
            control.adjusted(-kMargin, -kMargin, kMargin, kMargin).intersected(window->rect());
        // Within the scroll area's view around the control, so a ring never floats over what
        // the area has scrolled away.
        QRect clip = window->rect();
        for (QWidget* up = watched_->parentWidget(); up && up != window; up = up->parentWidget())
            if (auto* area = qobject_cast<QAbstractScrollArea*>(up->parentWidget());
                area && area->viewport() == up)
                clip &= QRect(up->mapTo(window, QPoint(0, 0)), up->size());
        setGeometry(around);
        QRegion band = QRegion(rect()) - QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth));
        band &= QRegion(clip.translated(-around.topLeft()));
        if (band.isEmpty()) {
            hide();
            return;
        }
        setMask(band);
        show();
        raise();
    }

    QPointer<QWidget> watched_;
    std::vector<QPointer<QWidget>> chain_;
};

} // namespace

void InstallFocusRing(QApplication& app, std::function<bool(const QWidget*)> ringed) {
    auto ring = std::make_shared<QPointer<Ring>>();
    QObject::connect(&app, &QApplication::focusChanged, &app,
                     [ring, ringed = std::move(ringed)](QWidget*, QWidget* now) {
                         const bool wanted = now && !now->isWindow() &&
                                             !qobject_cast<QMenu*>(now->window()) &&
                                             (!ringed || ringed(now));
                         if (!wanted) {
                             if (*ring)
                                 (*ring)->Watch(nullptr);
                             return;
                         }
                         // The ring lives in the control's window and goes with it.
                         if (!*ring)
                             *ring = new Ring(now->window());
                         (*ring)->Watch(now);
                     });
}

} // namespace plumcrest
