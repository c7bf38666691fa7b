#pragma once

#include "app/ui/style/CardFrame.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CardHeader;
class KeltoClient;
class PositionRow;
class QGridLayout;
class QLabel;
class QToolButton;
class ToneLabel;

// One remote tuner: its report line, a button per band position, and per tuner rotor its
// heading with buttons to move it either way or run the server's calibration.
class TunerCard final : public CardFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TunerCard)

public:
    TunerCard(KeltoClient& client, const QString& deviceName, QWidget* parent = nullptr);
    ~TunerCard() override;

    const QString& deviceName() const { return m_deviceName; }
    // Copies the client's published state into the card; the station view calls it on changes.
    void refresh();
    // Marks the position the rotary encoder previews for this device; no position clears the mark.
    void setEncoderPreview(std::optional<QString> position);
    const std::optional<QString>& encoderPreview() const { return m_encoderPreview; }

private:
    struct RotorRow {
        QLabel* name = nullptr;
        QLabel* heading = nullptr;
        QToolButton* counterclockwise = nullptr;
        QToolButton* clockwise = nullptr;
        QToolButton* calibrate = nullptr;
    };

    void rebuildRotors(const QStringList& names);
    QToolButton* addButton(const QString& text, const QString& accessibleName, int row, int column);
    void askCalibration(const QString& rotor);

    KeltoClient& m_client;
    QString m_deviceName;
    std::optional<QString> m_encoderPreview;
    CardHeader* m_header;
    ToneLabel* m_report;
    PositionRow* m_positions;
    QGridLayout* m_rotorGrid;
    QStringList m_rotorNames;
    QList<RotorRow> m_rotorRows;
};
