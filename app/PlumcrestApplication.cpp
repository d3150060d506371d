#include "PlumcrestApplication.h"

#include "FocusRing.h"
#include "Guarded.h"
#include "Hint.h"
#include "IdleEvents.h"

#include <QCursor>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTimer>
#include <QWidget>

namespace plumcrest {
namespace {

constexpr int kHintCornerRadius = 3;
const QColor kHintShadow(0x80, 0x80, 0x80);

// The hint's body: its rectangle less the one-pixel shadow band on the right and at the bottom.
QRectF HintBody(const QRect& rect) {
    return QRectF(rect).adjusted(0, 0, -1, -1);
}

QPainterPath RoundedPath(const QRectF& rect) {
    QPainterPath path;
    path.addRoundedRect(rect, kHintCornerRadius, kHintCornerRadius);
    return path;
}

// Popup hints wait for the application's hint pause and look like the program's hint window:
// rounded, in the info colours, over a grey shadow one pixel down and to the right.
class HintTimingStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        auto* app = PlumcrestApplication::Instance();
        if (hint == QStyle::SH_ToolTip_WakeUpDelay && app)
            return app->HintPause();
        if (hint == QStyle::SH_ToolTip_Mask && option) {
            if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returnData)) {
                const QRectF body = HintBody(option->rect);
                const QPainterPath outline =
                    RoundedPath(body).united(RoundedPath(body.translated(1, 1)));
                mask->region = QRegion(outline.toFillPolygon().toPolygon());
                return 1;
            }
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_PanelTipLabel) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QRectF body = HintBody(option->rect);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->fillPath(RoundedPath(body.translated(1, 1)), kHintShadow);
        painter->fillPath(RoundedPath(body), option->palette.toolTipBase());
        painter->setPen(option->palette.color(QPalette::ToolTipText));
        painter->drawPath(RoundedPath(body.adjusted(0, 0, -1, -1)));
        painter->restore();
    }
};

} // namespace

PlumcrestApplication::PlumcrestApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new HintTimingStyle);
    // Every window and dialog without an icon of its own shows the program's.
    setWindowIcon(QIcon(QStringLiteral(":/icons/plumcrest.png")));
    WidgetUnderPointer = [] { return QApplication::widgetAt(QCursor::pos()); };
    connect(this, &QGuiApplication::applicationStateChanged, this,
            &PlumcrestApplication::onStateChanged);
    // The hint feed runs whenever the event queue has run empty, modal loops included.
    auto* idle = new platform::IdleEvents(this);
    connect(idle, &platform::IdleEvents::Idle, this, &PlumcrestApplication::UpdateHint);
    // The calculator keeps its own look of the focus; every other window rings the control.
    InstallFocusRing(*this, [](const QWidget* widget) {
        return widget->window()->objectName() != QLatin1String("frmMain");
    });
}

PlumcrestApplication::~PlumcrestApplication() = default;

PlumcrestApplication* PlumcrestApplication::Instance() {
    return qobject_cast<PlumcrestApplication*>(QCoreApplication::instance());
}

void PlumcrestApplication::RunGuarded(const std::function<void()>& handler) {
    platform::RunGuarded(handler);
}

void PlumcrestApplication::ReportException(std::exception_ptr error) {
    platform::ReportException(std::move(error));
}

bool PlumcrestApplication::event(QEvent* event) {
    if (event->type() != platform::ExceptionEvent::kType)
        return QApplication::event(event);
    // Reached through the event queue: the event that raised the exception has completed.
    if (OnException) {
        const std::exception_ptr error = static_cast<platform::ExceptionEvent*>(event)->Error();
        RunGuarded([&] { OnException(error); });
    }
    return true;
}

bool PlumcrestApplication::notify(QObject* receiver, QEvent* event) {
    // A popup hint stays for the hint hide pause unless its control says otherwise.
    if (event->type() == QEvent::ToolTip && receiver->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(receiver);
        if (widget->toolTipDuration() < 0)
            widget->setToolTipDuration(hintHidePause_);
    }
    // Last line of defence: handlers run through RunGuarded, but nothing may end the program.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}

void PlumcrestApplication::onStateChanged(Qt::ApplicationState state) {
    const bool becameActive = state == Qt::ApplicationActive && lastState_ != Qt::ApplicationActive;
    lastState_ = state;
    if (!becameActive)
        return;
    // Posted: the activation itself is processed first.
    QTimer::singleShot(0, this, [this] {
        if (OnActivate)
            RunGuarded(OnActivate);
    });
}

void PlumcrestApplication::UpdateHint() {
    QPointer<QWidget> widget = WidgetUnderPointer ? WidgetUnderPointer() : nullptr;
    QString hint;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        hint = Hint(w);
        if (!hint.isEmpty() || w->isWindow())
            break;
    }
    hint = LongHint(hint);
    if (hint == hint_)
        return;
    hint_ = hint;
    if (OnHint)
        RunGuarded(OnHint);
}

} // namespace plumcrest
