#include "IdleEvents.h"

#include <QAbstractEventDispatcher>

namespace plumcrest::platform {

IdleEvents::IdleEvents(QObject* parent) : QObject(parent) {
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread()))
        hookup_ =
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &IdleEvents::Idle);
}

// Cut explicitly, so no idle signal can reach a half-destroyed receiver of Idle().
IdleEvents::~IdleEvents() {
    disconnect(hookup_);
}

} // namespace plumcrest::platform
