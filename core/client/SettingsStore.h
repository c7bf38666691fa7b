#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The user-defaults store: typed entries (data, text, text list, flag) under keys used exactly
// as given, including keys holding ':' and '/'. A read of a missing key, or of an entry of
// another type, gives nothing.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::optional<QByteArray> data(const QString& key) const = 0;
    virtual std::optional<QString> text(const QString& key) const = 0;
    virtual std::optional<QStringList> textList(const QString& key) const = 0;
    virtual std::optional<bool> flag(const QString& key) const = 0;

    virtual void setData(const QString& key, const QByteArray& value) = 0;
    virtual void setText(const QString& key, const QString& value) = 0;
    virtual void setTextList(const QString& key, const QStringList& value) = 0;
    virtual void setFlag(const QString& key, bool value) = 0;

    virtual void remove(const QString& key) = 0;
    virtual bool contains(const QString& key) const = 0;
    // Every key, unchanged, in ascending order.
    virtual QStringList keys() const = 0;
};
