#pragma once

#include "core/geo/CountryEntity.h"
#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// The countries, prefixes and exact calls of a country file in either of its two published
// forms, cty.csv or cty.dat. Pure: it parses bytes read by someone else, and a damaged or
// hostile file gives one sentence saying what is wrong instead of a partial table.
class CountryFile final {
public:
    enum class Format { csv, dat };

    // What a prefix or an exact call stands for: its entity with the entry's own overrides
    // already applied.
    struct Match {
        qsizetype entity = -1;
        QString continent;
        int cqZone = 0;
        int ituZone = 0;
        double latitude = 0;
        double longitude = 0;
        double utcOffset = 0;
        // The entry gave its own <lat/lon>, which is then better than any call-area table.
        bool ownPosition = false;

        bool operator==(const Match&) const = default;
    };

    // Limits a file must keep: the real files hold about 350 entities and 75,000 entries.
    static constexpr qsizetype maxBytes = 16 * 1024 * 1024;
    static constexpr qsizetype maxEntities = 5'000;
    static constexpr qsizetype maxEntries = 1'000'000;
    static constexpr qsizetype maxEntryLength = 32;

    // The file in either form, told apart by its first line.
    static ProtocolResult<CountryFile> parse(const QByteArray& bytes);

    Format format() const { return m_format; }
    // The date-like version of the "=VER…" entry ("20230502"); empty when the file has none.
    const QString& version() const { return m_version; }
    // The version read as the release date it is (invalid when it is not one), for the file's age.
    QDate versionDate() const { return QDate::fromString(m_version, u"yyyyMMdd"); }
    const QList<CountryEntity>& entities() const { return m_entities; }
    const CountryEntity& entity(const Match& match) const { return m_entities.at(match.entity); }
    qsizetype prefixCount() const { return m_prefixes.size(); }
    qsizetype exactCallCount() const { return m_exactCalls.size(); }

    // The entry for exactly this upper-case call, or null.
    const Match* exactCall(const QString& call) const;
    // The longest prefix of the upper-case text that the file lists, or null; its length goes to
    // matchedLength when given.
    const Match* longestPrefix(QStringView text, qsizetype* matchedLength = nullptr) const;

private:
    class Parser;

    Format m_format = Format::csv;
    QString m_version;
    QList<CountryEntity> m_entities;
    QHash<QString, Match> m_prefixes;
    QHash<QString, Match> m_exactCalls;
    qsizetype m_longestPrefix = 0;
};
