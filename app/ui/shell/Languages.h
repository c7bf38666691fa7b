#pragma once

#include <QList>
#include <QString>

class QCoreApplication;
class SettingsStore;

// The languages the program speaks and the one it starts in. English is the source; the others
// are compiled into the program. The choice takes effect at the next start: views build their
// texts once, and a live switch would leave half of them in the old language.
class Languages final {
public:
    struct Language {
        QString code; // "de", "pt_BR": the translation file's suffix and the locale's name
        QString name; // in the language itself: "Deutsch", "日本語"
    };

    Languages() = delete;

    // Settings keys; the values are codes, "" for the system's language.
    static const QString languageKey;
    static const QString distanceUnitKey;

    // English and every shipped translation, each named in its own language.
    static QList<Language> shipped();
    static bool isShipped(const QString& code);

    // Loads the program's and Qt's own translations for `code` ("" follows the system; "pseudo"
    // is the build's stretched test language) and makes that language's locale the default for
    // numbers. False, and English, when there is no such translation.
    static bool install(QCoreApplication& application, const QString& code);

    // The saved language's code, "" for the system's.
    static QString saved(const SettingsStore& settings);
    // Makes a saved distance unit ("km", "mi") the program's; anything else leaves the locale's.
    static void applyDistanceUnit(const QString& value);

    // The saved language and distance unit, applied at start. `override` (from --lang) wins
    // over the saved language for this run only.
    static bool applySaved(QCoreApplication& application, const SettingsStore& settings, const QString& override = {});
};
