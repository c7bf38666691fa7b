#pragma once

#include "app/profiles/PresentationSettings.h"

#include <QCollator>
#include <QColor>
#include <QMap>
#include <QObject>
#include <QString>

class SettingsStore;

// The device layout of the server a tab shows: loaded per endpoint, edited in memory, saved on
// request. Answers which cards are visible on the current band and in what order they come.
class StationPresentation final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StationPresentation)

public:
    explicit StationPresentation(SettingsStore& defaults, QObject* parent = nullptr);

    const PresentationSettings& settings() const { return m_settings; }
    void setSettings(PresentationSettings settings);
    const QString& endpoint() const { return m_endpoint; }

    // Makes the layout of `endpoint` current; the defaults when none is stored or it does not
    // decode. Loading the current endpoint again does nothing.
    void load(const QString& endpoint);
    // Stores the current layout under the current endpoint; nothing without one.
    void save() const;

    // Whether the card of `deviceKey` shows while the radios are on `frequencies` (radio number
    // to megahertz).
    bool visible(const QString& deviceKey, const QMap<int, double>& frequencies) const;
    // The card order: by order number, then by key in the order a file browser uses.
    bool before(const QString& a, const QString& b) const;

    QColor color() const { return accentColor(m_settings.accent); }
    static QColor accentColor(const QString& accent);

Q_SIGNALS:
    void settingsChanged();

private:
    SettingsStore& m_defaults;
    PresentationSettings m_settings;
    QString m_endpoint;
    QCollator m_collator;
};
