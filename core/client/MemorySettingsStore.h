#pragma once

#include "core/client/SettingsStore.h"

#include <QMap>
#include <QVariant>

// A settings store that lives only as long as the object: for tests and previews.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<QByteArray> data(const QString& key) const override;
    std::optional<QString> text(const QString& key) const override;
    std::optional<QStringList> textList(const QString& key) const override;
    std::optional<bool> flag(const QString& key) const override;

    void setData(const QString& key, const QByteArray& value) override;
    void setText(const QString& key, const QString& value) override;
    void setTextList(const QString& key, const QStringList& value) override;
    void setFlag(const QString& key, bool value) override;

    void remove(const QString& key) override;
    bool contains(const QString& key) const override;
    QStringList keys() const override;

private:
    QMap<QString, QVariant> m_entries;
};
