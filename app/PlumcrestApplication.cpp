#include "PlumcrestApplication.h"

#include "Hint.h"
#include "IdleEvents.h"

#include <QCursor>
#include <QProxyStyle>
#include <QTimer>
#include <QWidget>

namespace plumcrest {
namespace {

// Popup hints wait for the application's hint pause.
class HintTimingStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        auto* app = PlumcrestApplication::Instance();
        if (hint == QStyle::SH_ToolTip_WakeUpDelay && app)
            return app->HintPause();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

PlumcrestApplication::PlumcrestApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new HintTimingStyle);
    WidgetUnderPointer = [] { return QApplication::widgetAt(QCursor::pos()); };
    connect(this, &QGuiApplication::applicationStateChanged, this,
            &PlumcrestApplication::onStateChanged);
    // The hint feed runs whenever the event queue has run empty, modal loops included.
    auto* idle = new platform::IdleEvents(this);
    connect(idle, &platform::IdleEvents::Idle, this, &PlumcrestApplication::UpdateHint);
}

PlumcrestApplication::~PlumcrestApplication() = default;

PlumcrestApplication* PlumcrestApplication::Instance() {
    return qobject_cast<PlumcrestApplication*>(QCoreApplication::instance());
}

void PlumcrestApplication::RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

void PlumcrestApplication::ReportException(std::exception_ptr error) {
    auto* app = Instance();
    if (!app)
        return;
    QTimer::singleShot(0, app, [app, error] {
        if (app->OnException)
            RunGuarded([&] { app->OnException(error); });
    });
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
