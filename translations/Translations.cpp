#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <vector>

namespace plumcrest::translations {

namespace {

std::vector<QPointer<QTranslator>>& Installed() {
    static std::vector<QPointer<QTranslator>> installed;
    return installed;
}

bool& Spanish() {
    static bool spanish = false;
    return spanish;
}

bool Install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.get());
    Installed().emplace_back(translator.release());
    return true;
}

} // namespace

QString LanguageKey(Language language) {
    switch (language) {
    case Language::English:
        return QStringLiteral("English");
    case Language::Spanish:
        return QStringLiteral("Spanish");
    case Language::System:
        break;
    }
    return QStringLiteral("System");
}

Language LanguageFromKey(const QString& key) {
    if (key.compare(QLatin1String("English"), Qt::CaseInsensitive) == 0)
        return Language::English;
    if (key.compare(QLatin1String("Spanish"), Qt::CaseInsensitive) == 0)
        return Language::Spanish;
    return Language::System;
}

bool IsSpanish(const QLocale& locale) {
    return locale.language() == QLocale::Spanish;
}

QLocale ShownLocale(Language language, const QLocale& system) {
    switch (language) {
    case Language::English:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case Language::Spanish:
        return IsSpanish(system) ? system : QLocale(QLocale::Spanish, QLocale::UnitedStates);
    case Language::System:
        break;
    }
    return system;
}

void InstallTranslators(QCoreApplication& app, const QLocale& locale) {
    for (const QPointer<QTranslator>& old : Installed())
        if (old) {
            QCoreApplication::removeTranslator(old);
            delete old.data();
        }
    Installed().clear();
    // The "%n" texts need a translation even in English for their singular; a language without
    // a file of its own keeps these English forms, as the translator installed last is asked
    // first.
    const QString own = QStringLiteral(":/translations");
    const QString plumcrest = QStringLiteral("plumcrest");
    Install(app, QLocale(QLocale::English), plumcrest, own);
    Spanish() = IsSpanish(locale) && Install(app, locale, plumcrest, own);
    // Qt's own texts (the OK and Cancel of its dialogs) follow, where the system carries them.
    if (Spanish())
        Install(app, locale, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    emit LanguageNotifier::Instance().LanguageChanged();
}

bool ShowingSpanish() {
    return Spanish();
}

void Live(QObject* owner, std::function<void()> apply) {
    apply();
    QObject::connect(&LanguageNotifier::Instance(), &LanguageNotifier::LanguageChanged, owner,
                     std::move(apply));
}

LanguageNotifier& LanguageNotifier::Instance() {
    static LanguageNotifier notifier;
    return notifier;
}

} // namespace plumcrest::translations
