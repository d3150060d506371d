#pragma once
// The translations of the windows beyond the calculator, embedded in the program.

class QCoreApplication;
class QLocale;

namespace plumcrest::translations {

// Installs on `app` the English plural forms and then, when the program carries one, the
// translation for `locale`. The calculator's own texts never go through a translator.
void InstallTranslators(QCoreApplication& app, const QLocale& locale);

} // namespace plumcrest::translations
