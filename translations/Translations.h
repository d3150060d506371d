#pragma once
// The program's translations, embedded in it, and the language it shows.

#include <QObject>
#include <QString>
#include <functional>

class QCoreApplication;
class QLocale;

namespace plumcrest::translations {

// The choice kept in the saved settings: the system's language, or one picked.
enum class Language { System, English, Spanish };

// The settings' word for each choice ("System", "English", "Spanish"), and back; anything else
// reads as System.
QString LanguageKey(Language language);
Language LanguageFromKey(const QString& key);

// True when `locale` is Spanish, whatever its country (es, es_US, es_MX, es_ES, ...).
bool IsSpanish(const QLocale& locale);

// The locale whose texts are shown for `language` under the system locale `system`.
QLocale ShownLocale(Language language, const QLocale& system);

// Installs on `app` the English plural forms and then, when the program carries one, the
// translation for `locale`, replacing any installed before, and tells every window.
void InstallTranslators(QCoreApplication& app, const QLocale& locale);

// True when the texts shown now are Spanish.
bool ShowingSpanish();

// Runs `apply` now and again each time the language shown changes, for as long as `owner`
// lives: where a window sets a text that must follow the language.
void Live(QObject* owner, std::function<void()> apply);

// Emits LanguageChanged after the translators change.
class LanguageNotifier : public QObject {
    Q_OBJECT
public:
    static LanguageNotifier& Instance();

signals:
    void LanguageChanged();
};

} // namespace plumcrest::translations
