#pragma once

#include <QObject>

// The process-wide notices around a settings import. Receivers connect with
// Qt::DirectConnection so that every tab has disconnected before anything is written and has
// reloaded before the importer reports success.
class SettingsNotifications final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsNotifications)

public:
    static SettingsNotifications& instance();

Q_SIGNALS:
    // "KeltoSettingsWillImport": the import is validated and encoded; nothing has changed yet.
    void settingsWillImport();
    // "KeltoSettingsDidImport": every change has been written.
    void settingsDidImport();
    // The mechanics of a rotor were saved: every tab hands its client the stored ones again.
    void rotorMechanicsSaved();

private:
    SettingsNotifications() = default;
};
