#pragma once

#include "app/remote/PairedDevice.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

#include <optional>

class Clock;
class SettingsStore;

// The paired devices, kept in the settings as JSON under "remoteAccess:devices". Lives on the
// main thread.
class RemoteDevices final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RemoteDevices)

public:
    // Pairing past this many drops the device seen longest ago.
    static constexpr qsizetype maxDevices = 64;
    // Random bytes of a token.
    static constexpr int tokenBytes = 32;

    // The store and the clock must outlive the list.
    RemoteDevices(SettingsStore& defaults, const Clock& clock, QObject* parent = nullptr);

    const QList<PairedDevice>& devices() const { return m_devices; }
    std::optional<PairedDevice> device(const QUuid& id) const;
    // The device holding this token, if it is still paired.
    std::optional<PairedDevice> byToken(const QString& token) const;

    // Pairs a new device in the Watch role; the token it must present from now on.
    QString pair(const QString& name);
    void rename(const QUuid& id, const QString& name);
    void setRole(const QUuid& id, PairedDevice::Role role);
    void revoke(const QUuid& id);
    // Notes that the device was just seen; saved at once.
    void touch(const QUuid& id);

Q_SIGNALS:
    void devicesChanged();
    // The device is no longer paired: its connections must end now.
    void revoked(const QUuid& id);

private:
    PairedDevice* find(const QUuid& id);
    void save();

    SettingsStore& m_defaults;
    const Clock& m_clock;
    QList<PairedDevice> m_devices;
};
