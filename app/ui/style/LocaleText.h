#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Numbers and distances as the operator reads them: the locale's decimal separator, the chosen
// distance unit. What goes on the wire or into settings keeps "." (fixedText, OVVProtocol).
class LocaleText final {
public:
    enum class DistanceUnit { kilometres, miles };
    static constexpr double metresPerMile = 1609.344;

    LocaleText() = delete;

    // Rounded as the wire rounds (ties to even), written with the locale's separator.
    static QString number(double value, int decimals);
    // "123.4°" or "123,4°": headings keep their degree sign in every language.
    static QString degrees(double value, int decimals = 1);
    // As few digits as give the value back ("12.25", "-3"), with the locale's separator.
    static QString shortest(double value);
    // A whole count with the locale's group separator ("12,345", "12.345").
    static QString count(qint64 value);

    // What the operator typed: the locale's separator or ".", never a group separator, so "1.234"
    // is never read as a thousand under a German locale. Nothing else around the number.
    static std::optional<double> parse(QStringView text);

    // The program's one distance unit, chosen in Settings; the default follows the locale.
    static DistanceUnit distanceUnit();
    static void setDistanceUnit(DistanceUnit unit);
    static DistanceUnit localeDistanceUnit();
    // "1,234 km" or "767 mi", whole units.
    static QString distance(double metres);
};
