#pragma once
// Hints ("short|long") live in a widget property of their own, apart from tool tips, so the
// status bar's hint feed and popup hints can each take their part.

#include <QString>
#include <QVariant>
#include <QWidget>

namespace plumcrest {

inline constexpr char kHintProperty[] = "plumcrestHint";

inline void SetHint(QWidget* widget, const QString& hint) {
    widget->setProperty(kHintProperty, hint);
}

inline QString Hint(const QWidget* widget) { return widget->property(kHintProperty).toString(); }

// The part after the first "|", or the whole hint without one.
inline QString LongHint(const QString& hint) {
    const auto bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

// The part before the first "|", or the whole hint without one.
inline QString ShortHint(const QString& hint) {
    const auto bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

} // namespace plumcrest
