#pragma once

#include <QStringView>

#include <optional>

// A network port as the user types it: decimal digits with an optional leading "+", 1 to
// 65535. Leading zeros are allowed; blanks, signs other than "+" and anything else are not.
std::optional<quint16> parsePortNumber(QStringView text);
