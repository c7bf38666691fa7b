#pragma once

#include "app/ui/routing/PositionState.h"
#include "app/ui/style/CardFrame.h"

#include <QString>

#include <optional>

class CardHeader;
class DirectionalSwitchView;
class KeltoClient;
class PositionRow;
class ToneLabel;

// One antenna switch: its name, the reported position, a server status other than ready, and a
// button per position (on a dial for a switch whose positions carry bearings).
class SwitchCard final : public CardFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SwitchCard)

public:
    SwitchCard(KeltoClient& client, const QString& deviceName, QWidget* parent = nullptr);
    ~SwitchCard() override;

    const QString& deviceName() const { return m_deviceName; }
    // Copies the client's published state into the card; the station view calls it on changes.
    void refresh();
    // Marks the position the rotary encoder previews for this device; no position clears the mark.
    void setEncoderPreview(std::optional<QString> position);
    const std::optional<QString>& encoderPreview() const { return m_encoderPreview; }

private:
    void select(const PositionState& position);

    KeltoClient& m_client;
    QString m_deviceName;
    std::optional<QString> m_encoderPreview;
    CardHeader* m_header;
    ToneLabel* m_reported;
    ToneLabel* m_unsupported;
    DirectionalSwitchView* m_dial;
    PositionRow* m_positions;
};
