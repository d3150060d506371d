#pragma once
// The regional decimal and thousands separators every numeric field shows and types: read from
// the system locale once, at program start, and fixed for the program's life. Tests may install
// any pair for the lifetime of a guard.

#include "PictureMask.h"

class QLocale;

namespace plumcrest {

// The first character of the locale's decimal point and group separator, with the fallbacks
// of MakeLocaleSeparators.
LocaleSeparators SeparatorsOfLocale(const QLocale& locale);

// Reads the system locale the first time it is called; every later call returns the same pair.
// The program calls it at start so later changes of the locale never reach the fields.
const LocaleSeparators& TheLocaleSeparators();

// Installs a pair for the lifetime of the guard (tests); the previous pair comes back after.
class ScopedLocaleSeparators {
public:
    explicit ScopedLocaleSeparators(const LocaleSeparators& separators);
    ~ScopedLocaleSeparators();
    ScopedLocaleSeparators(const ScopedLocaleSeparators&) = delete;
    ScopedLocaleSeparators& operator=(const ScopedLocaleSeparators&) = delete;

private:
    LocaleSeparators previous_;
};

} // namespace plumcrest
