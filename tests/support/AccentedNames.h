#pragma once

#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>

// Device names as operators type them, with accented Latin-1 letters: the same list on every
// run. Qt 6.4.2 loses some such keys of objects parsed from JSON text (the first name is one),
// so records keyed by names are round-tripped with all of them.
namespace AccentedNames {

inline constexpr int defaultCount = 4000;
inline constexpr int maximumLength = 64;

inline QStringList generate(int count = defaultCount)
{
    using namespace Qt::Literals::StringLiterals;
    const QString plain = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -/."_s;
    QString accented;
    for (char16_t unit = 0xC0; unit <= 0xFF; ++unit) {
        // Every Latin-1 letter; 0xD7 and 0xF7 are the multiplication and division signs.
        if (unit != 0xD7 && unit != 0xF7) {
            accented.append(QChar(unit));
        }
    }

    QRandomGenerator random(20'240'609);
    QStringList names{u"SÃO PAULO BEAM 12"_s};
    QSet<QString> seen(names.cbegin(), names.cend());
    while (names.size() < count) {
        const int length = random.bounded(1, maximumLength + 1);
        QString name;
        for (int i = 0; i < length; ++i) {
            // About one letter in three accented, and always at least one.
            const bool accent = i == 0 || random.bounded(3) == 0;
            const QString& from = accent ? accented : plain;
            name.append(from.at(random.bounded(static_cast<int>(from.size()))));
        }
        // Shuffled, so that the accented letter is not always first.
        std::shuffle(name.begin(), name.end(), random);
        if (!seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
}

} // namespace AccentedNames
