#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One answer of a place search: the service's name for the place and where it is, in degrees.
struct Place {
    QString title;
    double latitude = 0;
    double longitude = 0;

    bool operator==(const Place&) const = default;
};

Q_DECLARE_METATYPE(Place)
