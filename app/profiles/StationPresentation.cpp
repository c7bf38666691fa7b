#include "app/profiles/StationPresentation.h"

#include "app/profiles/SettingsKeys.h"
#include "core/client/SettingsStore.h"
#include "core/integrations/AmateurBand.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Numeric collation does nothing in the C locale, so fall back to a locale where it works.
QLocale collationLocale()
{
    const QLocale locale;
    if (locale.language() == QLocale::C) {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return locale;
}

} // namespace

StationPresentation::StationPresentation(SettingsStore& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_collator(collationLocale())
{
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void StationPresentation::setSettings(PresentationSettings settings)
{
    m_settings = std::move(settings);
    Q_EMIT settingsChanged();
}

void StationPresentation::load(const QString& endpoint)
{
    if (endpoint == m_endpoint) {
        return;
    }
    m_endpoint = endpoint;
    const std::optional<QByteArray> stored = m_defaults.data(SettingsKeys::presentation(endpoint));
    std::optional<PresentationSettings> settings = stored ? PresentationSettings::decoded(*stored) : std::nullopt;
    setSettings(settings.value_or(PresentationSettings{}));
}

void StationPresentation::save() const
{
    if (m_endpoint.isEmpty()) {
        return;
    }
    if (const std::optional<QByteArray> data = m_settings.encoded()) {
        m_defaults.setData(SettingsKeys::presentation(m_endpoint), *data);
    }
}

bool StationPresentation::visible(const QString& deviceKey, const QMap<int, double>& frequencies) const
{
    const auto entry = m_settings.devices.constFind(deviceKey);
    const bool hasEntry = entry != m_settings.devices.cend();
    if (hasEntry && !entry->visible) {
        return false;
    }
    QStringList bands;
    if (hasEntry) {
        // A piece of blanks alone names no band; keeping it would hide the device on every band.
        const QStringList pieces = entry->bands.toLower().split(u',');
        for (const QString& piece : pieces) {
            if (const QString band = piece.trimmed(); !band.isEmpty()) {
                bands.append(band);
            }
        }
    }
    if (!m_settings.filterByBand || bands.isEmpty()) {
        return true;
    }

    QStringList current;
    for (auto it = frequencies.cbegin(); it != frequencies.cend(); ++it) {
        if (m_settings.radio != 3 && it.key() != m_settings.radio) {
            continue;
        }
        if (const std::optional<QString> band = AmateurBand::name(it.value())) {
            current.append(*band);
        }
    }
    if (current.isEmpty()) {
        return true;
    }
    return std::ranges::any_of(current, [&bands](const QString& band) { return bands.contains(band); });
}

bool StationPresentation::before(const QString& a, const QString& b) const
{
    const auto order = [this](const QString& key) {
        const auto entry = m_settings.devices.constFind(key);
        return entry == m_settings.devices.cend() ? 0 : entry->order;
    };
    const int orderA = order(a);
    const int orderB = order(b);
    if (orderA != orderB) {
        return orderA < orderB;
    }
    const int compared = m_collator.compare(a, b);
    // Keys that collate alike still need a fixed order.
    return compared != 0 ? compared < 0 : a < b;
}

QColor StationPresentation::accentColor(const QString& accent)
{
    if (accent == "Blue"_L1) {
        return QColor(0x0a, 0x84, 0xff);
    }
    if (accent == "Orange"_L1) {
        return QColor(0xff, 0x9f, 0x0a);
    }
    if (accent == "Purple"_L1) {
        return QColor(0xbf, 0x5a, 0xf2);
    }
    return QColor(0x30, 0xb0, 0xc7);
}
