#include "app/remote/RemoteSettings.h"

#include "core/client/SettingsStore.h"

#include <QHostAddress>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString enabledKey = u"remoteAccess:enabled"_s;
const QString addressKey = u"remoteAccess:address"_s;
const QString portKey = u"remoteAccess:port"_s;
const QString certificateKey = u"remoteAccess:certificate"_s;
const QString privateKeyKey = u"remoteAccess:privateKey"_s;

} // namespace

RemoteSettings RemoteSettings::load(const SettingsStore& defaults)
{
    RemoteSettings settings;
    settings.enabled = defaults.flag(enabledKey).value_or(false);
    // Anything but a plain address (a damaged or hand-edited file) falls back to this computer.
    if (const std::optional<QString> address = defaults.text(addressKey); address && !QHostAddress(*address).isNull()) {
        settings.address = QHostAddress(*address).toString();
    }
    if (const std::optional<QString> port = defaults.text(portKey)) {
        bool ok = false;
        const uint value = port->toUInt(&ok);
        if (ok && value >= 1 && value <= 65535) {
            settings.port = static_cast<quint16>(value);
        }
    }
    settings.certificate = defaults.text(certificateKey).value_or(QString());
    settings.privateKey = defaults.text(privateKeyKey).value_or(QString());
    return settings;
}

void RemoteSettings::save(SettingsStore& defaults) const
{
    defaults.setFlag(enabledKey, enabled);
    defaults.setText(addressKey, address);
    defaults.setText(portKey, QString::number(port));
    defaults.setText(certificateKey, certificate);
    defaults.setText(privateKeyKey, privateKey);
}
