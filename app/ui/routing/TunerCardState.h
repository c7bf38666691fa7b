#pragma once

#include "app/ui/routing/PositionState.h"
#include "app/ui/routing/Tone.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

struct TurvixTuner;
struct RoutingContext;

// What a tuner card shows for one remote tuner at the client's current time.
struct TunerCardState {
    Q_DECLARE_TR_FUNCTIONS(TunerCardState)

public:
    struct RotorRow {
        QString name;
        QString heading;
        bool enabled = false;
        QString counterclockwiseToolTip;
        QString clockwiseToolTip;
        QString calibrateToolTip;

        bool operator==(const RotorRow&) const = default;
    };

    QString title;
    QString report;
    Tone reportTone = Tone::plain;
    QList<PositionState> positions;
    QList<RotorRow> rotors;

    // `canControl` is the client's guard for this tuner.
    static TunerCardState of(const TurvixTuner& tuner, const RoutingContext& context, bool canControl);

    bool operator==(const TunerCardState&) const = default;
};
