#pragma once
// The application's idle moment: Idle() is emitted each time the user-interface thread's event
// dispatcher is about to wait for new events, in the main loop and in every nested (modal) loop.
// Several users may each keep their own IdleEvents; they all hang on the same dispatcher.

#include <QMetaObject>
#include <QObject>

namespace plumcrest::platform {

class IdleEvents final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(IdleEvents)

public:
    // Needs the thread's event dispatcher, which exists once the application object does.
    explicit IdleEvents(QObject* parent = nullptr);
    ~IdleEvents() override;

signals:
    void Idle();

private:
    QMetaObject::Connection hookup_;
};

} // namespace plumcrest::platform
