#pragma once

#include "core/model/Instant.h"

#include <QCoreApplication>
#include <QString>

class KeltoClient;

// What every antenna-routing card reads from its client besides its own device record.
struct RoutingContext {
    Q_DECLARE_TR_FUNCTIONS(RoutingContext)

public:
    Instant now;
    bool connected = false;
    bool controlsEnabled = false;

    static RoutingContext of(const KeltoClient& client);

    // A report the operator may act on: connected, and the device reported recently.
    bool live(bool fresh) const { return connected && fresh; }

    // Why a device's controls are unavailable, in the order the operator would fix it; empty
    // when none of these holds. `statusReady` tells whether the device's status permits control.
    QString blockedReason(bool fresh, bool statusReady, const QString& status) const;

    // The help text of a control, followed for a disabled one by why it is disabled.
    static QString toolTip(const QString& help, bool enabled, const QString& reason);
};
