#pragma once

#include "app/ui/style/CardFrame.h"

#include <QString>

class CardHeader;
class KeltoClient;
class QPushButton;

// One stack output: its name, "Stale" or a status other than ready, and one button that turns
// the output on or off.
class StackCard final : public CardFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StackCard)

public:
    StackCard(KeltoClient& client, const QString& deviceName, QWidget* parent = nullptr);
    ~StackCard() override;

    const QString& deviceName() const { return m_deviceName; }
    // Copies the client's published state into the card; the station view calls it on changes.
    void refresh();

private:
    KeltoClient& m_client;
    QString m_deviceName;
    CardHeader* m_header;
    QPushButton* m_action;
    // What the button asks for, as last shown to the operator.
    bool m_turnOn = false;
};
