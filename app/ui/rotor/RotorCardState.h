#pragma once

#include "core/model/Instant.h"
#include "core/model/Rotor.h"
#include "core/protocol/ConnectionKind.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class KeltoClient;

// Everything one rotor card shows, worked out from the rotor and the client's published facts:
// texts, the colour of the status, and for each control whether it is enabled and what its
// tooltip says (the help text, and why when it is disabled). The card copies it into widgets.
struct RotorCardState {
    Q_DECLARE_TR_FUNCTIONS(RotorCardState)

public:
    // The colours the card gives meaning to.
    enum class Tone { teal, orange };

    // The client's published state as far as this rotor is concerned, and the card's own
    // editing state. The guard results come from the client, so the card greys out controls by
    // exactly the rule the commands check.
    struct Facts {
        bool connected = false;
        Instant now;
        bool controlsEnabled = false;
        ConnectionKind connectionKind = ConnectionKind::ovVarnex;
        bool canTurn = false;
        bool canStop = false;
        bool canRequestLock = false;
        // The lock state last asked for this rotor, while the client keeps it.
        std::optional<bool> lockRequest;
        bool receivedServerPresets = false;
        // The server is known, so presets can be stored for it.
        bool hasEndpoint = false;
        // A tower location exists for this rotor.
        bool hasLocation = false;
        QString targetText;

        // What the client's published state says of `rotor`; the caller adds its own editing
        // state (target text, location, the endpoint it stores presets under).
        static Facts of(const KeltoClient& client, const Rotor& rotor);
    };

    struct Control {
        bool enabled = false;
        QString toolTip;

        bool operator==(const Control&) const = default;
    };

    QString status;
    Tone statusTone = Tone::orange;
    QString headingCaption;
    // The heading with one decimal (the locale's separator) and "°", or "—".
    QString headingText;
    std::optional<double> dialHeading;
    bool stale = true;
    // The dial stands where the tower map goes once a location exists.
    bool showDial = true;
    // Server presets and locks: only a station server has them.
    bool serverFeatures = true;
    // The target field's heading when it is one Rotate may send.
    std::optional<double> target;
    // "Lock requested · unconfirmed" and the like, or empty.
    QString lockNote;
    // Shown instead of the server's presets until a list has arrived, or empty.
    QString serverPresetsNote;

    // Why the client's turn guard refuses now, for controls elsewhere on the card; empty when it allows.
    QString turnRefusal;

    Control rotate;
    Control stop;
    Control counterclockwise;
    Control clockwise;
    Control requestLock;
    Control releaseLock;
    Control localPreset;
    Control serverPreset;
    Control refresh;
    Control managePresets;

    static RotorCardState of(const Rotor& rotor, const Facts& facts);

    // A decimal number within 0...360 with the locale's separator or "." (white space around it
    // allowed); nothing otherwise.
    static std::optional<double> targetHeading(const QString& text);

    bool operator==(const RotorCardState&) const = default;
};
