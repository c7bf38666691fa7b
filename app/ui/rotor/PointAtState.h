#pragma once

#include "app/profiles/RotorLocation.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class CountryFile;

// Everything a rotor card's "Point at" section shows, worked out from the typed text, the country
// file, the tower's location and the client's turn guard. Pure; the panel copies it into widgets.
struct PointAtState {
    Q_DECLARE_TR_FUNCTIONS(PointAtState)

public:
    struct Facts {
        QString rotor;
        QString text;
        // Null without a country file: then only locators resolve.
        const CountryFile* countries = nullptr;
        // The tower's location as the card draws it (placed, else the server's site).
        std::optional<RotorLocation> location;
        // The client's turn guard for this rotor, and why it refuses when it does.
        bool canTurn = false;
        QString turnRefusal;
    };

    struct Control {
        bool enabled = false;
        QString toolTip;

        bool operator==(const Control&) const = default;
    };

    // The field takes text only once the tower has a position to measure from.
    Control field;
    // The text as understood ("JA1ABC", "PM95"), for the log line; empty until it resolves.
    QString targetName;
    // "Japan · CQ 25 · ITU 45", or the locator; empty until resolved.
    QString place;
    // "exact call", "prefix", "call area" or "grid".
    QString source;
    // "52.3° · 8953 km" (the locale's separators, the chosen unit), controller headings with the tower's north offset
    // applied.
    QString shortPath;
    QString longPath;
    // Why nothing resolved, or the antipode warning; empty otherwise.
    QString warning;
    // Rounded to the tenth of a degree the log and the wire show.
    std::optional<double> shortHeading;
    std::optional<double> longHeading;
    Control turnShort;
    Control turnLong;

    static PointAtState of(const Facts& facts);

    bool operator==(const PointAtState&) const = default;
};
