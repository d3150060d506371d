#include "HelpFileName.h"

#include <QRegularExpression>

namespace plumcrest::help {

QString HelpFileNameFor(const QString& language) {
    // Only the language part counts: "es" itself, not every name that starts with it ("est" is
    // Estonian).
    static const QRegularExpression separators(QStringLiteral("[_\\-.@]"));
    const QString code = language.trimmed().section(separators, 0, 0);
    if (code.compare(QLatin1String("es"), Qt::CaseInsensitive) == 0 ||
        code.compare(QLatin1String("spa"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("plumcrestcalc_es.chm");
    return QStringLiteral("plumcrestcalc.chm");
}

} // namespace plumcrest::help
