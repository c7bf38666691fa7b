#include "app/ui/style/LocaleText.h"

#include "core/protocol/FixedText.h"
#include "core/protocol/OVVProtocol.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Set at start and from Settings, read by the views and the remote page's state: all on the main
// thread. Below zero: the locale's unit.
int g_unit = -1;

// A number written with "." and "-", as the locale writes it.
QString localised(QString text)
{
    const QLocale locale;
    const QString point = locale.decimalPoint();
    if (point != u"."_s) {
        text.replace(u'.', point);
    }
    if (text.startsWith(u'-')) {
        text.replace(0, 1, locale.negativeSign());
    }
    return text;
}

} // namespace

QString LocaleText::number(double value, int decimals)
{
    return localised(fixedText(value, decimals));
}

QString LocaleText::shortest(double value)
{
    return localised(QString::number(value, 'f', QLocale::FloatingPointShortest));
}

QString LocaleText::degrees(double value, int decimals)
{
    return number(value, decimals) + u"°"_s;
}

QString LocaleText::count(qint64 value)
{
    return QLocale().toString(value);
}

std::optional<double> LocaleText::parse(QStringView text)
{
    QString plain = text.trimmed().toString();
    const QLocale locale;
    const QString point = locale.decimalPoint();
    if (point != u"."_s) {
        plain.replace(point, u"."_s);
    }
    // The typographic minus some locales write, and the one our own placeholders show.
    plain.replace(QChar(0x2212), u'-');
    if (const QString minus = locale.negativeSign(); minus != u"-"_s && !minus.isEmpty()) {
        plain.replace(minus, u"-"_s);
    }
    return OVVProtocol::decimal(QStringView(plain));
}

LocaleText::DistanceUnit LocaleText::localeDistanceUnit()
{
    return QLocale().measurementSystem() == QLocale::MetricSystem ? DistanceUnit::kilometres : DistanceUnit::miles;
}

LocaleText::DistanceUnit LocaleText::distanceUnit()
{
    return g_unit < 0 ? localeDistanceUnit() : DistanceUnit(g_unit);
}

void LocaleText::setDistanceUnit(DistanceUnit unit)
{
    g_unit = int(unit);
}

QString LocaleText::distance(double metres)
{
    if (distanceUnit() == DistanceUnit::miles) {
        return QCoreApplication::translate("LocaleText", "%1 mi").arg(count(std::llround(metres / metresPerMile)));
    }
    return QCoreApplication::translate("LocaleText", "%1 km").arg(count(std::llround(metres / 1000.0)));
}
