#pragma once

#include <QString>

#include <optional>

// Maidenhead grid locators, as radio amateurs give their station's position: a field of two
// letters, a square of two digits, and optionally a subsquare of two letters and an extended
// square of two digits. Pure; angles in degrees.
class Maidenhead final {
public:
    Maidenhead() = delete;

    struct Square {
        // The locator as usually written: field upper case, subsquare lower case.
        QString locator;
        // The centre of the square.
        double latitude = 0;
        double longitude = 0;
    };

    // The square of a 4, 6 or 8 character locator, in any letter case, white space around it
    // allowed; nothing for any other text.
    static std::optional<Square> square(const QString& text);
    // The locator of the square holding a place, 4, 6 or 8 characters long (any other length
    // gives 6); the poles and the antimeridian fall into the last square.
    static QString locator(double latitude, double longitude, int length = 6);
};
