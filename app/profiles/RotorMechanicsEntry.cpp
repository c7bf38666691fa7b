#include "app/profiles/RotorMechanicsEntry.h"

#include "app/profiles/CanonicalText.h"
#include "core/model/Json.h"
#include "core/protocol/OVVProtocol.h"

#include <QJsonDocument>

using namespace Qt::Literals::StringLiterals;

bool RotorMechanicsEntry::valid() const
{
    return OVVProtocol::validField(endpoint) && OVVProtocol::validField(rotor) && mechanics.valid();
}

bool RotorMechanicsEntry::matches(const QString& otherEndpoint, const QString& otherRotor) const
{
    return CanonicalText::equal(endpoint, otherEndpoint) && CanonicalText::equal(rotor, otherRotor);
}

QList<RotorMechanicsEntry> RotorMechanicsEntry::decode(const QString& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    const std::optional<QList<RotorMechanicsEntry>> stored =
        document.isArray() ? fromJsonArray(document.array()) : std::nullopt;
    QList<RotorMechanicsEntry> entries;
    for (const RotorMechanicsEntry& entry : stored.value_or(QList<RotorMechanicsEntry>{})) {
        if (entry.valid()) {
            entries.append(entry);
        }
    }
    return entries;
}

std::optional<QString> RotorMechanicsEntry::encode(const QList<RotorMechanicsEntry>& entries)
{
    const QJsonArray array = toJsonArray(entries);
    if (!Json::isWritable(array)) {
        return std::nullopt;
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

RotorMechanics RotorMechanicsEntry::lookup(const QString& text, const QString& endpoint, const QString& rotor)
{
    const QList<RotorMechanicsEntry> entries = decode(text);
    for (const RotorMechanicsEntry& entry : entries) {
        if (entry.matches(endpoint, rotor)) {
            return entry.mechanics;
        }
    }
    return {};
}

QMap<QString, RotorMechanics> RotorMechanicsEntry::forRotors(const QString& text, const QString& endpoint,
                                                             const QStringList& rotors)
{
    const QList<RotorMechanicsEntry> entries = decode(text);
    QMap<QString, RotorMechanics> out;
    for (const QString& rotor : rotors) {
        for (const RotorMechanicsEntry& entry : entries) {
            if (entry.matches(endpoint, rotor)) {
                out.insert(rotor, entry.mechanics);
                break;
            }
        }
    }
    return out;
}

QString RotorMechanicsEntry::saving(const RotorMechanics& mechanics, const QString& endpoint, const QString& rotor,
                                    const QString& in)
{
    const RotorMechanicsEntry saved{endpoint, rotor, mechanics};
    if (!saved.valid()) {
        return in;
    }
    QList<RotorMechanicsEntry> entries = decode(in);
    entries.removeIf([&](const RotorMechanicsEntry& entry) { return entry.matches(endpoint, rotor); });
    // A rotor set back to the defaults needs no entry.
    if (mechanics != RotorMechanics{}) {
        entries.append(saved);
    }
    return encode(entries).value_or(in);
}

QJsonObject RotorMechanicsEntry::toJson() const
{
    return {{u"endpoint"_s, endpoint}, {u"rotor"_s, rotor}, {u"mechanics"_s, mechanics.toJson()}};
}

std::optional<RotorMechanicsEntry> RotorMechanicsEntry::fromJson(const QJsonObject& object)
{
    RotorMechanicsEntry entry;
    QJsonObject mechanics;
    if (!Json::read(object, u"endpoint"_s, entry.endpoint) || !Json::read(object, u"rotor"_s, entry.rotor) ||
        !Json::read(object, u"mechanics"_s, mechanics)) {
        return std::nullopt;
    }
    const std::optional<RotorMechanics> decoded = RotorMechanics::fromJson(mechanics);
    if (!decoded) {
        return std::nullopt;
    }
    entry.mechanics = *decoded;
    return entry;
}

QJsonArray RotorMechanicsEntry::toJsonArray(const QList<RotorMechanicsEntry>& entries)
{
    QJsonArray array;
    for (const RotorMechanicsEntry& entry : entries) {
        array.append(entry.toJson());
    }
    return array;
}

std::optional<QList<RotorMechanicsEntry>> RotorMechanicsEntry::fromJsonArray(const QJsonArray& array)
{
    QList<RotorMechanicsEntry> entries;
    entries.reserve(array.size());
    for (const QJsonValue& value : array) {
        std::optional<RotorMechanicsEntry> entry = value.isObject() ? fromJson(value.toObject()) : std::nullopt;
        if (!entry) {
            return std::nullopt;
        }
        entries.append(std::move(*entry));
    }
    return entries;
}
