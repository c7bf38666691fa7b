#include "core/client/QSettingsStore.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Each entry is stored as a two-item list: its type tag and its value. INI files do not keep
// types (a flag reads back as the text "true"), and a store must not hand a text to a reader
// that asked for data.
const QString dataTag = u"data"_s;
const QString textTag = u"text"_s;
const QString listTag = u"list"_s;
const QString flagTag = u"flag"_s;

} // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>())
{}

QSettingsStore::QSettingsStore(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::escapedKey(const QString& key)
{
    // Percent-encode everything QSettings treats specially, keeping the rest readable.
    QString escaped;
    escaped.reserve(key.size());
    for (const QChar ch : key) {
        const char16_t unit = ch.unicode();
        const bool plain = (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') ||
                           (unit >= u'0' && unit <= u'9') || unit == u'-' || unit == u'_' || unit == u'.' ||
                           unit == u':' || unit == u'@';
        if (plain) {
            escaped.append(ch);
        } else {
            escaped.append(u'%');
            escaped.append(QString::number(unit, 16).rightJustified(4, u'0'));
        }
    }
    return escaped;
}

QString QSettingsStore::unescapedKey(const QString& stored)
{
    QString key;
    key.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored.at(i) == u'%' && i + 4 < stored.size()) {
            bool ok = false;
            const ushort unit = QStringView(stored).mid(i + 1, 4).toUShort(&ok, 16);
            if (ok) {
                key.append(QChar(unit));
                i += 4;
                continue;
            }
        }
        key.append(stored.at(i));
    }
    return key;
}

std::optional<QVariant> QSettingsStore::entry(const QString& key, const QString& type) const
{
    const QVariant stored = m_settings->value(escapedKey(key));
    const QVariantList pair = stored.toList();
    if (pair.size() != 2 || pair.at(0).toString() != type) {
        return std::nullopt;
    }
    return pair.at(1);
}

void QSettingsStore::setEntry(const QString& key, const QString& type, const QVariant& value)
{
    m_settings->setValue(escapedKey(key), QVariantList{type, value});
    m_settings->sync();
}

std::optional<QByteArray> QSettingsStore::data(const QString& key) const
{
    const auto value = entry(key, dataTag);
    return value ? std::optional(value->toByteArray()) : std::nullopt;
}

std::optional<QString> QSettingsStore::text(const QString& key) const
{
    const auto value = entry(key, textTag);
    return value ? std::optional(value->toString()) : std::nullopt;
}

std::optional<QStringList> QSettingsStore::textList(const QString& key) const
{
    const auto value = entry(key, listTag);
    return value ? std::optional(value->toStringList()) : std::nullopt;
}

std::optional<bool> QSettingsStore::flag(const QString& key) const
{
    const auto value = entry(key, flagTag);
    return value ? std::optional(value->toBool()) : std::nullopt;
}

void QSettingsStore::setData(const QString& key, const QByteArray& value)
{
    setEntry(key, dataTag, value);
}

void QSettingsStore::setText(const QString& key, const QString& value)
{
    setEntry(key, textTag, value);
}

void QSettingsStore::setTextList(const QString& key, const QStringList& value)
{
    setEntry(key, listTag, value);
}

void QSettingsStore::setFlag(const QString& key, bool value)
{
    setEntry(key, flagTag, value);
}

void QSettingsStore::remove(const QString& key)
{
    m_settings->remove(escapedKey(key));
    m_settings->sync();
}

bool QSettingsStore::contains(const QString& key) const
{
    return m_settings->contains(escapedKey(key));
}

QStringList QSettingsStore::keys() const
{
    QStringList result;
    const QStringList stored = m_settings->allKeys();
    result.reserve(stored.size());
    for (const QString& key : stored) {
        result.append(unescapedKey(key));
    }
    std::sort(result.begin(), result.end());
    return result;
}
