#pragma once

#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"

#include <QDialog>
#include <QList>

class IntegrationDevicesSection;
class IntegrationEncoderSection;
class IntegrationEventsSection;
class IntegrationKeysSection;
class IntegrationLoggerSection;
class IntegrationRotctldSection;
class IntegrationWsjtxSection;
class KeltoClient;
class StationIntegrations;

// The "Integrations" sheet of a tab: the logger input, the radios that drive the switches,
// tuners and rotors, the received events, the key bindings with the keyboard inputs, the
// rotary encoder, the rotctld server and WSJT-X, each a section of its own that this sheet arranges.
// Every edit goes straight into the controller's record, which the start buttons and closing
// the sheet store for the server; the inputs' status lines, the events and the encoder preview
// follow the controller while the sheet is open.
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
    // Copies the whole record into the sections: at opening and when the record is replaced.
    void showSettings();
    void stationChanged();
    void showDeviceChoices();
    // The station's devices as key bindings name them: "R:", "S:", "K:", "T:" and the name.
    QList<SheetParts::Choice> deviceChoices() const;

    IntegrationEditor m_editor;
    QList<SheetParts::Choice> m_devices;
    IntegrationLoggerSection* m_logger;
    IntegrationDevicesSection* m_radios;
    IntegrationEventsSection* m_events;
    IntegrationKeysSection* m_keys;
    IntegrationEncoderSection* m_encoder;
    IntegrationRotctldSection* m_rotctld;
    IntegrationWsjtxSection* m_wsjtx;
};
