#include "LocaleSettings.h"

#include <QLocale>

namespace plumcrest {

namespace {

LocaleSeparators& Current() {
    static LocaleSeparators separators = SeparatorsOfLocale(QLocale::system());
    return separators;
}

} // namespace

LocaleSeparators SeparatorsOfLocale(const QLocale& locale) {
    // Held as UCS-4: a thousands separator such as U+202F does not fit a char.
    const std::u32string decimal = locale.decimalPoint().toStdU32String();
    const std::u32string thousands = locale.groupSeparator().toStdU32String();
    return MakeLocaleSeparators(decimal, thousands);
}

const LocaleSeparators& TheLocaleSeparators() {
    return Current();
}

ScopedLocaleSeparators::ScopedLocaleSeparators(const LocaleSeparators& separators)
    : previous_(Current()) {
    Current() = separators;
}

ScopedLocaleSeparators::~ScopedLocaleSeparators() {
    Current() = previous_;
}

} // namespace plumcrest
