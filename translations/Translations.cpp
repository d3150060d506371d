#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace plumcrest::translations {

namespace {

void Install(QCoreApplication& app, const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, QStringLiteral("plumcrest"), QStringLiteral("_"),
                         QStringLiteral(":/translations"))) {
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    }
}

} // namespace

void InstallTranslators(QCoreApplication& app, const QLocale& locale) {
    // The "%n" texts need a translation even in English for their singular; a language without
    // a file of its own keeps these English forms, as the translator installed last is asked
    // first.
    Install(app, QLocale(QLocale::English));
    Install(app, locale);
}

} // namespace plumcrest::translations
