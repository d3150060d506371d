#pragma once
// The one boundary between an event handler and Qt's event dispatch. Qt does not support an
// exception unwinding through its dispatch, so every handler runs through RunGuarded: whatever
// it throws is posted to the application object, which reports it once the event that raised it
// has completed.

#include <QCoreApplication>
#include <QEvent>
#include <exception>
#include <utility>

namespace plumcrest::platform {

// Carries an exception caught at the boundary to the application object.
class ExceptionEvent : public QEvent {
public:
    static constexpr Type kType = static_cast<Type>(QEvent::User + 1);

    explicit ExceptionEvent(std::exception_ptr error) : QEvent(kType), error_(std::move(error)) {}
    const std::exception_ptr& Error() const { return error_; }

private:
    std::exception_ptr error_;
};

// Posts `error` for the application object to report; without an application it is dropped.
inline void ReportException(std::exception_ptr error) {
    if (QCoreApplication* app = QCoreApplication::instance())
        QCoreApplication::postEvent(app, new ExceptionEvent(std::move(error)));
}

template <class Handler> void RunGuarded(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

// `handler` wrapped to run guarded: for a connection to a signal without arguments.
template <class Handler> auto Guarded(Handler handler) {
    return [handler = std::move(handler)]() mutable { RunGuarded(handler); };
}

} // namespace plumcrest::platform
