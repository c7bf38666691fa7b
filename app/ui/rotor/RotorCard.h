#pragma once

#include "app/profiles/HeadingPreset.h"
#include "app/ui/rotor/RotorCardState.h"
#include "app/ui/style/CardFrame.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class Compass;
class KeltoClient;
class PresetEditorDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class SettingsStore;

// One rotator: its status and heading, the heading dial, the target heading with Rotate, jog
// and Stop, quick headings, local and server presets and the lock requests. Built once per
// rotor; `refresh` copies the client's published state into it and never writes the target
// field, so typed text and focus survive every update. The owner calls `refresh` on the
// client's changes (coalesced for all cards); the card connects to none of them itself.
class RotorCard final : public CardFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotorCard)

public:
    // The client and the settings must outlive the card.
    RotorCard(KeltoClient& client, SettingsStore& defaults, const QString& rotorName, QWidget* parent = nullptr);
    ~RotorCard() override;

    // Fixed-width digits, so a changing heading never moves.
    static QFont headingFont();

    const QString& rotorName() const { return m_rotorName; }

    // The server's endpoint key, under which this card's presets are kept; reloads them.
    void setEndpoint(const QString& endpoint);
    const QString& endpoint() const { return m_endpoint; }
    // Reads the stored presets again, as after a settings import or an edit.
    void reloadPresets();
    // A tower location exists for this rotor: the heading then reads as the controller's.
    void setHasLocation(bool hasLocation);
    // The heading the rotary encoder previews for this rotor, shown under the target field; no
    // heading hides it. The target field itself is never touched.
    void setEncoderPreview(std::optional<double> heading);
    const std::optional<double>& encoderPreview() const { return m_encoderPreview; }

    void refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    QToolButton* addButton(const QString& text, const QString& accessibleName);
    void rebuildLocalPresets(const QList<HeadingPreset>& presets);
    void rebuildServerPresets(const QStringList& locations);
    void applyColors();
    void rotate();
    void turnToLocalPreset(double degrees);
    void openPresetEditor();

    KeltoClient& m_client;
    SettingsStore& m_defaults;
    QString m_rotorName;
    QString m_endpoint;
    bool m_hasLocation = false;
    std::optional<double> m_encoderPreview;
    RotorCardState m_state;
    QList<HeadingPreset> m_presets;
    QStringList m_serverPresets;

    QLabel* m_status = nullptr;
    QLabel* m_headingCaption = nullptr;
    QLabel* m_heading = nullptr;
    QWidget* m_dialPlace = nullptr;
    Compass* m_compass = nullptr;
    QLineEdit* m_target = nullptr;
    QLabel* m_encoderLabel = nullptr;
    QToolButton* m_rotate = nullptr;
    QToolButton* m_counterclockwise = nullptr;
    QToolButton* m_clockwise = nullptr;
    QToolButton* m_stop = nullptr;
    QGridLayout* m_localGrid = nullptr;
    QLabel* m_noLocalPresets = nullptr;
    QToolButton* m_managePresets = nullptr;
    QList<QToolButton*> m_localButtons;
    QGridLayout* m_serverGrid = nullptr;
    QLabel* m_serverNote = nullptr;
    QToolButton* m_refresh = nullptr;
    QList<QToolButton*> m_serverButtons;
    QToolButton* m_requestLock = nullptr;
    QToolButton* m_releaseLock = nullptr;
    QLabel* m_lockNote = nullptr;
    QList<QLabel*> m_secondaryLabels;
    QPointer<PresetEditorDialog> m_editor;
};
