#include "app/profiles/ServerProfiles.h"

#include "app/profiles/CanonicalText.h"
#include "app/profiles/HeadingPreset.h"
#include "app/profiles/RotorLocation.h"
#include "app/profiles/SettingsKeys.h"
#include "core/client/SettingsStore.h"
#include "core/model/Json.h"

#include <QJsonDocument>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

ServerProfiles::ServerProfiles(SettingsStore& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
{
    if (const std::optional<QByteArray> stored = m_defaults.data(SettingsKeys::serverProfiles)) {
        m_items = decode(*stored).value_or(QList<ServerProfile>{});
    }
}

void ServerProfiles::setItems(QList<ServerProfile> items)
{
    m_items = std::move(items);
    save();
    Q_EMIT itemsChanged();
}

std::optional<ServerProfile> ServerProfiles::profile(const QUuid& id) const
{
    const auto it = std::ranges::find(m_items, id, &ServerProfile::id);
    if (it == m_items.cend()) {
        return std::nullopt;
    }
    return *it;
}

void ServerProfiles::remove(const ServerProfile& profile)
{
    QList<ServerProfile> kept = m_items;
    kept.removeIf([&](const ServerProfile& item) { return item.id == profile.id; });
    setItems(std::move(kept));

    const QString endpoint = profile.endpoint();
    const bool stillUsed = std::ranges::any_of(
        m_items, [&](const ServerProfile& item) { return CanonicalText::equal(item.endpoint(), endpoint); });
    if (!stillUsed) {
        removeServerData(endpoint);
    }
}

std::optional<QList<ServerProfile>> ServerProfiles::decode(const QByteArray& data)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        return std::nullopt;
    }
    return ServerProfile::fromJsonArray(document.array());
}

std::optional<QByteArray> ServerProfiles::encode(const QList<ServerProfile>& profiles)
{
    const QJsonArray array = ServerProfile::toJsonArray(profiles);
    if (!Json::isWritable(array)) {
        return std::nullopt;
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

void ServerProfiles::save() const
{
    if (const std::optional<QByteArray> data = encode(m_items)) {
        m_defaults.setData(SettingsKeys::serverProfiles, *data);
    }
}

void ServerProfiles::removeServerData(const QString& endpoint) const
{
    const auto sameServer = [&](const auto& entry) { return CanonicalText::equal(entry.endpoint, endpoint); };

    QList<RotorLocation> locations =
        RotorLocation::decode(m_defaults.text(SettingsKeys::rotorLocations).value_or(u"[]"_s));
    locations.removeIf(sameServer);
    if (const std::optional<QString> text = RotorLocation::encode(locations)) {
        m_defaults.setText(SettingsKeys::rotorLocations, *text);
    }

    QList<HeadingPreset> presets =
        HeadingPreset::decode(m_defaults.text(SettingsKeys::headingPresets).value_or(u"[]"_s));
    presets.removeIf(sameServer);
    m_defaults.setText(SettingsKeys::headingPresets, HeadingPreset::encode(presets));

    m_defaults.remove(SettingsKeys::integrations(endpoint));
    m_defaults.remove(SettingsKeys::presentation(endpoint));
    m_defaults.remove(SettingsKeys::stationSnapshot(endpoint));
}
