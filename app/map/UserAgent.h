#pragma once

#include <QByteArray>

// The User-Agent every request of this program carries: the tile and geocoder servers' usage
// policies ask for the program, its version and a way to reach its makers, never a browser's or
// a library's default.
class UserAgent final {
public:
    UserAgent() = delete;

    static QByteArray value();
};
