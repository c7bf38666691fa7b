#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Where in a large country a call sign's call area lies, for the countries whose size makes the
// country's single position a poor heading: the United States, Canada, Australia, Japan,
// Asiatic Russia, China, Brazil and Argentina. Pure.
class CallArea final {
public:
    CallArea() = delete;

    struct Position {
        // The area as a call shows it: "4", "VO1", or for Argentina the suffix letter "W".
        QString area;
        // The regions the area covers, in the operator's language: "Southeast (AL, FL, GA, KY, NC, SC,
        // TN, VA)".
        QString name;
        double latitude = 0;
        double longitude = 0;
    };

    // The area of an upper-case call or bare prefix ("VE3") within the entity with this main
    // prefix ("K", "VE", "VK", "JA", "UA9", "BY", "PY", "LU"); nothing for other entities or a
    // call without an area.
    static std::optional<Position> position(QStringView primaryPrefix, QStringView call);

    // The digit that ends a call's prefix ("1" of 7K1ABC, "6" of KH6XYZ), or nothing.
    static std::optional<qsizetype> digitIndex(QStringView call);
};
