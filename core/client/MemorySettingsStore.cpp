#include "core/client/MemorySettingsStore.h"

namespace {

template <typename T>
std::optional<T> typed(const QMap<QString, QVariant>& entries, const QString& key)
{
    const auto it = entries.constFind(key);
    if (it == entries.cend() || it->metaType() != QMetaType::fromType<T>()) {
        return std::nullopt;
    }
    return it->value<T>();
}

} // namespace

std::optional<QByteArray> MemorySettingsStore::data(const QString& key) const
{
    return typed<QByteArray>(m_entries, key);
}

std::optional<QString> MemorySettingsStore::text(const QString& key) const
{
    return typed<QString>(m_entries, key);
}

std::optional<QStringList> MemorySettingsStore::textList(const QString& key) const
{
    return typed<QStringList>(m_entries, key);
}

std::optional<bool> MemorySettingsStore::flag(const QString& key) const
{
    return typed<bool>(m_entries, key);
}

void MemorySettingsStore::setData(const QString& key, const QByteArray& value)
{
    m_entries.insert(key, value);
}

void MemorySettingsStore::setText(const QString& key, const QString& value)
{
    m_entries.insert(key, value);
}

void MemorySettingsStore::setTextList(const QString& key, const QStringList& value)
{
    m_entries.insert(key, value);
}

void MemorySettingsStore::setFlag(const QString& key, bool value)
{
    m_entries.insert(key, value);
}

void MemorySettingsStore::remove(const QString& key)
{
    m_entries.remove(key);
}

bool MemorySettingsStore::contains(const QString& key) const
{
    return m_entries.contains(key);
}

QStringList MemorySettingsStore::keys() const
{
    return m_entries.keys();
}
