#include "app/ui/shell/Languages.h"

#include "app/ui/style/LocaleText.h"
#include "core/client/SettingsStore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString translationFolder = u":/xalto/i18n"_s;

bool load(QCoreApplication& application, const QString& path)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

// Qt's own texts: the buttons of message boxes and the file dialog's.
void loadQt(QCoreApplication& application, const QLocale& locale)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

const QString Languages::languageKey = u"language"_s;
const QString Languages::distanceUnitKey = u"distanceUnit"_s;

QList<Languages::Language> Languages::shipped()
{
    // Each name in its own language and script, as an operator looks for it.
    return {
        {u"en"_s, u"English"_s},  {u"de"_s, u"Deutsch"_s},  {u"es"_s, u"Español"_s},
        {u"fr"_s, u"Français"_s}, {u"it"_s, u"Italiano"_s}, {u"pt_BR"_s, u"Português (Brasil)"_s},
        {u"ja"_s, u"日本語"_s},
    };
}

bool Languages::isShipped(const QString& code)
{
    for (const Language& language : shipped()) {
        if (language.code == code) {
            return true;
        }
    }
    return false;
}

bool Languages::install(QCoreApplication& application, const QString& code)
{
    if (code.isEmpty()) {
        const QLocale system = QLocale::system();
        // English's file holds only its plural forms; it is the answer when nothing else fits.
        if (!load(application, translationFolder + u"/xalto_"_s + system.name()) &&
            !load(application, translationFolder + u"/xalto_"_s + QLocale::languageToCode(system.language()))) {
            load(application, translationFolder + u"/xalto_en"_s);
        }
        loadQt(application, system);
        return true;
    }
    if (code == u"pseudo"_s) {
        return load(application, translationFolder + u"/xalto_pseudo"_s);
    }
    if (!isShipped(code)) {
        load(application, translationFolder + u"/xalto_en"_s);
        return false;
    }
    const QLocale locale(code);
    QLocale::setDefault(locale);
    loadQt(application, locale);
    return load(application, translationFolder + u"/xalto_"_s + code);
}

QString Languages::saved(const SettingsStore& settings)
{
    return settings.text(languageKey).value_or(QString());
}

void Languages::applyDistanceUnit(const QString& value)
{
    if (value == u"km"_s) {
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::kilometres);
    } else if (value == u"mi"_s) {
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::miles);
    }
}

bool Languages::applySaved(QCoreApplication& application, const SettingsStore& settings, const QString& override)
{
    applyDistanceUnit(settings.text(distanceUnitKey).value_or(QString()));
    return install(application, override.isEmpty() ? saved(settings) : override);
}
