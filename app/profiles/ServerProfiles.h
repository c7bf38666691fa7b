#pragma once

#include "app/profiles/ServerProfile.h"

#include <QList>
#include <QObject>

class SettingsStore;

// The application's one list of server profiles, saved on every change. Removing a profile
// also removes the per-server settings of its endpoint once no other profile uses it.
class ServerProfiles final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServerProfiles)

public:
    // Loads the stored list; a missing or damaged list reads as empty and is left as stored
    // until the list next changes.
    explicit ServerProfiles(SettingsStore& defaults, QObject* parent = nullptr);

    const QList<ServerProfile>& items() const { return m_items; }
    // Publishes and saves the new list.
    void setItems(QList<ServerProfile> items);

    // The first profile with this id.
    std::optional<ServerProfile> profile(const QUuid& id) const;

    void remove(const ServerProfile& profile);

    SettingsStore& defaults() const { return m_defaults; }

    // The stored list, or nothing when it is missing or any element does not decode.
    static std::optional<QList<ServerProfile>> decode(const QByteArray& data);
    // The list as stored data, or nothing when a value cannot be written.
    static std::optional<QByteArray> encode(const QList<ServerProfile>& profiles);

Q_SIGNALS:
    void itemsChanged();

private:
    void save() const;
    void removeServerData(const QString& endpoint) const;

    SettingsStore& m_defaults;
    QList<ServerProfile> m_items;
};
