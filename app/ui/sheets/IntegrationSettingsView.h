#pragma once

#include "app/integrations/IntegrationSettings.h"
#include "app/ui/sheets/SheetParts.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUuid>

#include <functional>

class KeltoClient;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class StationIntegrations;

// The "Integrations" sheet of a tab: the logger input, the radios that drive the switches,
// tuners and rotors, the received events, the key bindings with the keyboard inputs, the
// rotary encoder and the rotctld server. Every edit goes straight into the controller's record, which the start
// buttons and closing the sheet store for the server; the inputs' status lines, the events and
// the encoder preview follow the controller while the sheet is open.
class IntegrationSettingsView final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationSettingsView)

public:
    // The controller and the client must outlive the sheet.
    IntegrationSettingsView(StationIntegrations& integrations, KeltoClient& client, QWidget* parent = nullptr);
    ~IntegrationSettingsView() override;

public Q_SLOTS:
    // However the sheet is closed, the record is stored.
    void done(int result) override;

private:
    struct BindingRow {
        QLineEdit* key = nullptr;
        QComboBox* device = nullptr;
        QComboBox* action = nullptr;
        QDoubleSpinBox* heading = nullptr;
        QComboBox* position = nullptr;
    };

    QWidget* buildLogger();
    QWidget* buildDevices();
    QWidget* buildEvents();
    QWidget* buildKeyboard();
    QWidget* buildEncoder();
    QWidget* buildRotctld();

    // Applies one edit to the controller's record.
    void edit(const std::function<void(IntegrationSettings&)>& change);
    void editBinding(const QUuid& id, const std::function<void(KeyBinding&)>& change);
    void addBinding();
    void removeBinding(const QUuid& id);

    // Copies the whole record into the fields: at opening and when the record is replaced.
    void showSettings();
    void stationChanged();
    void showDeviceChoices();
    void rebuildRadioRows();
    void rebuildBindings();
    void showPositions(const BindingRow& row, const QString& device, const QString& position);
    void stopLogger();

    void refreshLogger();
    void refreshKeyboard();
    void refreshEncoder();
    void refreshEvents();
    void refreshRotctld();

    // The station's devices as key bindings name them: "R:", "S:", "K:", "T:" and the name.
    QList<SheetParts::Choice> deviceChoices() const;
    QList<SheetParts::Choice> encoderTargets() const;
    QStringList positionsOf(const QString& device) const;

    StationIntegrations& m_integrations;
    KeltoClient& m_client;
    // Set while fields are filled from the record, so that filling is not taken for editing.
    bool m_filling = false;
    // Set while this sheet writes the record, so that its own edit is not shown back.
    bool m_editing = false;
    bool m_previewApplied = false;
    QList<SheetParts::Choice> m_devices;
    // Events that arrived since the list was last drawn: a flooding logger gets one append per
    // frame, not one per datagram.
    QStringList m_pendingEvents;
    QTimer m_eventsTimer;

    QCheckBox* m_enabled = nullptr;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_station = nullptr;
    QLabel* m_listenHelp = nullptr;
    QPushButton* m_stopLogger = nullptr;
    QLabel* m_loggerStatus = nullptr;
    QComboBox* m_rotorA = nullptr;
    QComboBox* m_rotorB = nullptr;

    QVBoxLayout* m_radioSection = nullptr;
    QWidget* m_radioBox = nullptr;

    QPlainTextEdit* m_events = nullptr;
    QLabel* m_noEvents = nullptr;

    QCheckBox* m_globalKeys = nullptr;
    QLineEdit* m_keyboardPort = nullptr;
    QPushButton* m_stopKeyboard = nullptr;
    QLabel* m_keyboardStatus = nullptr;
    QVBoxLayout* m_bindingSection = nullptr;
    QWidget* m_bindingBox = nullptr;
    QList<BindingRow> m_bindingRows;

    QLineEdit* m_encoderSerial = nullptr;
    QSpinBox* m_encoderChannel = nullptr;
    QSpinBox* m_buttonChannel = nullptr;
    QDoubleSpinBox* m_encoderStep = nullptr;
    QComboBox* m_encoderTarget = nullptr;
    QPushButton* m_stopEncoder = nullptr;
    QPushButton* m_apply = nullptr;
    QLabel* m_encoderStatus = nullptr;
    QLabel* m_encoderPreview = nullptr;

    QLineEdit* m_rotctldHost = nullptr;
    QLineEdit* m_rotctldPort = nullptr;
    QComboBox* m_rotctldRotor = nullptr;
    QDoubleSpinBox* m_rotctldPark = nullptr;
    QDoubleSpinBox* m_rotctldTolerance = nullptr;
    QPushButton* m_stopRotctld = nullptr;
    QLabel* m_rotctldStatus = nullptr;
};
