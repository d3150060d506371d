#pragma once
// Which help file the program opens for the language it shows.

#include <QString>

namespace plumcrest::help {

// "plumcrestcalc_es.chm" for Spanish in any of its spellings ("es", "es_US", "es-MX",
// "es_ES.UTF-8"), else "plumcrestcalc.chm". Both files lie beside the executable and map the same
// context numbers.
QString HelpFileNameFor(const QString& language);

} // namespace plumcrest::help
