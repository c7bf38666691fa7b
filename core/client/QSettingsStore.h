#pragma once

#include "core/client/SettingsStore.h"

#include <QSettings>

#include <memory>

// The application's settings store on QSettings in its native format. QSettings reads '/' as
// a group separator and folds some characters, so keys are escaped on the way in and restored
// on enumeration.
class QSettingsStore final : public SettingsStore {
public:
    // The application's own store (organisation and application name of the running program).
    QSettingsStore();
    // A store in the given file, in INI format: for tests and tools.
    explicit QSettingsStore(const QString& fileName);
    ~QSettingsStore() override;

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

    static QString escapedKey(const QString& key);
    static QString unescapedKey(const QString& stored);

private:
    std::optional<QVariant> entry(const QString& key, const QString& type) const;
    void setEntry(const QString& key, const QString& type, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
};
