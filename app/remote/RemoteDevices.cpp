#include "app/remote/RemoteDevices.h"

#include "core/client/Clock.h"
#include "core/client/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString devicesKey = u"remoteAccess:devices"_s;

} // namespace

RemoteDevices::RemoteDevices(SettingsStore& defaults, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_clock(clock)
{
    const QJsonArray stored = QJsonDocument::fromJson(m_defaults.data(devicesKey).value_or(QByteArray())).array();
    for (const QJsonValue& value : stored) {
        if (m_devices.size() >= maxDevices) {
            break;
        }
        if (std::optional<PairedDevice> device = PairedDevice::fromJson(value.toObject())) {
            m_devices.append(*device);
        }
    }
}

std::optional<PairedDevice> RemoteDevices::device(const QUuid& id) const
{
    for (const PairedDevice& device : m_devices) {
        if (device.id == id) {
            return device;
        }
    }
    return std::nullopt;
}

std::optional<PairedDevice> RemoteDevices::byToken(const QString& token) const
{
    if (token.size() != tokenBytes * 2) {
        return std::nullopt;
    }
    const QString hash = PairedDevice::hashOf(token);
    for (const PairedDevice& device : m_devices) {
        if (device.tokenHash == hash) {
            return device;
        }
    }
    return std::nullopt;
}

QString RemoteDevices::pair(const QString& name)
{
    std::array<quint32, tokenBytes / 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QString token = QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(words.data()), static_cast<qsizetype>(sizeof(words))).toHex());

    if (m_devices.size() >= maxDevices) {
        const auto oldest = std::min_element(m_devices.begin(), m_devices.end(),
                                             [](const auto& a, const auto& b) { return a.lastSeen < b.lastSeen; });
        const QUuid dropped = oldest->id;
        m_devices.erase(oldest);
        Q_EMIT revoked(dropped);
    }
    PairedDevice device;
    device.id = QUuid::createUuid();
    device.name = PairedDevice::cleanName(name);
    device.tokenHash = PairedDevice::hashOf(token);
    device.firstSeen = m_clock.now();
    device.lastSeen = device.firstSeen;
    m_devices.append(device);
    save();
    return token;
}

void RemoteDevices::rename(const QUuid& id, const QString& name)
{
    if (PairedDevice* device = find(id)) {
        device->name = PairedDevice::cleanName(name);
        save();
    }
}

void RemoteDevices::setRole(const QUuid& id, PairedDevice::Role role)
{
    if (PairedDevice* device = find(id); device && device->role != role) {
        device->role = role;
        save();
    }
}

void RemoteDevices::revoke(const QUuid& id)
{
    const auto removed = std::remove_if(m_devices.begin(), m_devices.end(), [&](const auto& d) { return d.id == id; });
    if (removed == m_devices.end()) {
        return;
    }
    m_devices.erase(removed, m_devices.end());
    // The connections go before anyone sees the shorter list.
    Q_EMIT revoked(id);
    save();
}

void RemoteDevices::touch(const QUuid& id)
{
    if (PairedDevice* device = find(id)) {
        device->lastSeen = m_clock.now();
        save();
    }
}

PairedDevice* RemoteDevices::find(const QUuid& id)
{
    for (PairedDevice& device : m_devices) {
        if (device.id == id) {
            return &device;
        }
    }
    return nullptr;
}

void RemoteDevices::save()
{
    QJsonArray array;
    for (const PairedDevice& device : m_devices) {
        array.append(device.toJson());
    }
    m_defaults.setData(devicesKey, QJsonDocument(array).toJson(QJsonDocument::Compact));
    Q_EMIT devicesChanged();
}
