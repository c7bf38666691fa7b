#include "app/ui/style/LocaleText.h"

#include "core/protocol/FixedText.h"
#include "core/protocol/OVVProtocol.h"

#include <QCoreApplication>
#include <QLocale>

#include <atomic>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr double metresPerMile = 1609.344;

// Set once at start and from Settings; read by views on the main thread and by the remote page's
// state on its own, hence atomic.
std::atomic<int> g_unit{-1};

} // namespace

QString LocaleText::number(double value, int decimals)
{
    QString text = fixedText(value, decimals);
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
    const int unit = g_unit.load();
    return unit < 0 ? localeDistanceUnit() : DistanceUnit(unit);
}

void LocaleText::setDistanceUnit(DistanceUnit unit)
{
    g_unit.store(int(unit));
}

QString LocaleText::distance(double metres)
{
    if (distanceUnit() == DistanceUnit::miles) {
        return QCoreApplication::translate("LocaleText", "%1 mi").arg(count(std::llround(metres / metresPerMile)));
    }
    return QCoreApplication::translate("LocaleText", "%1 km").arg(count(std::llround(metres / 1000.0)));
}
