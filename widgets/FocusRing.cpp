#include "FocusRing.h"

#include "Contrast.h"

#include <QFocusFrame>
#include <QMenu>
#include <QPainter>
#include <QPen>
#include <QPointer>

namespace plumcrest {
namespace {

class Ring final : public QFocusFrame {
public:
    using QFocusFrame::QFocusFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        // A band two pixels wide around the control, in the margin the frame stands out by.
        const QWidget* watched = widget();
        QPainter painter(this);
        QPen pen(contrast::FocusColour(watched ? watched->palette() : palette()));
        pen.setWidth(2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
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
                                 (*ring)->setWidget(nullptr);
                             return;
                         }
                         // The ring lives among the control's siblings and goes with them.
                         if (!*ring)
                             *ring = new Ring(now->parentWidget());
                         (*ring)->setWidget(now);
                     });
}

} // namespace plumcrest
