#pragma once

#include <QString>

class SettingsStore;

// Whether the remote page is served, and where. Off by default and, once on, reachable from this
// computer alone until the operator chooses a network address.
struct RemoteSettings {
    static constexpr quint16 defaultPort = 8473;

    bool enabled = false;
    QString address = QStringLiteral("127.0.0.1");
    quint16 port = defaultPort;
    // PEM files of the user's choosing; with both set the page is served over TLS only.
    QString certificate;
    QString privateKey;

    bool tls() const { return !certificate.isEmpty() && !privateKey.isEmpty(); }

    static RemoteSettings load(const SettingsStore& defaults);
    void save(SettingsStore& defaults) const;

    bool operator==(const RemoteSettings&) const = default;
};
