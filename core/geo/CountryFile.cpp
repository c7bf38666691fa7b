#include "core/geo/CountryFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Continent codes as the country files write them, not translated.
const QList<QString> continents{u"AF"_s, u"AN"_s, u"AS"_s, u"EU"_s, u"NA"_s, u"OC"_s, u"SA"_s};

bool isCallCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'/';
}

std::optional<int> integerWithin(QStringView text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> numberWithin(QStringView text, double low, double high)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && value >= low && value <= high ? std::optional<double>(value) : std::nullopt;
}

QString quoted(QStringView text)
{
    // A hostile file could put anything here; a sentence quotes only a short, printable piece.
    QString shown;
    for (const QChar c : text.left(40)) {
        shown += c.isPrint() ? c : u'?';
    }
    if (text.size() > 40) {
        shown += u'…';
    }
    //: Quotation marks around a piece of the country file.
    return QCoreApplication::translate("CountryFile", "“%1”").arg(shown);
}

} // namespace

// Reads one file into a CountryFile; the first failure ends the reading.
class CountryFile::Parser final {
public:
    explicit Parser(CountryFile& file)
        : m_file(file)
    {}

    std::optional<QString> csvLine(QStringView line, qsizetype number)
    {
        m_line = number;
        const QList<QStringView> fields = line.split(u',');
        if (fields.size() != 10) {
            return fail(
                QCoreApplication::translate(
                    "CountryFile", "The country file is damaged at line %1: it has %2 fields where 10 are expected.")
                    .arg(lineText(), QString::number(fields.size())));
        }
        const QStringView last = fields.at(9).trimmed();
        if (!last.endsWith(u';')) {
            return fail(
                QCoreApplication::translate(
                    "CountryFile", "The country file is damaged at line %1: its prefix list does not end with “;”.")
                    .arg(lineText()));
        }
        if (auto failure = entity(fields.at(1), fields.at(0), fields.at(3), fields.at(4), fields.at(5), fields.at(6),
                                  fields.at(7), fields.at(8))) {
            return failure;
        }
        bool ok = false;
        const int dxcc = fields.at(2).trimmed().toInt(&ok);
        if (!ok || dxcc < 0 || dxcc > 9999) {
            return fail(
                QCoreApplication::translate(
                    "CountryFile",
                    "The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.")
                    .arg(lineText(), quoted(fields.at(2))));
        }
        m_file.m_entities.last().dxcc = dxcc;
        for (const QStringView token : last.chopped(1).split(u' ', Qt::SkipEmptyParts)) {
            if (auto failure = entry(token)) {
                return failure;
            }
        }
        return std::nullopt;
    }

    // A cty.dat header line: name, CQ, ITU, continent, latitude, longitude, UTC offset, prefix.
    std::optional<QString> datHeader(QStringView line, qsizetype number)
    {
        m_line = number;
        if (m_open) {
            return fail(QCoreApplication::translate("CountryFile", "The country file is damaged at line %1: the entity "
                                                                   "before it does not end its prefix list with “;”.")
                            .arg(lineText()));
        }
        const QList<QStringView> fields = line.split(u':');
        if (fields.size() != 9 || !fields.at(8).trimmed().isEmpty()) {
            return fail(
                QCoreApplication::translate(
                    "CountryFile",
                    "The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.")
                    .arg(lineText()));
        }
        m_open = true;
        return entity(fields.at(0), fields.at(7), fields.at(3), fields.at(1), fields.at(2), fields.at(4), fields.at(5),
                      fields.at(6));
    }

    // An indented cty.dat line with comma-separated entries; ";" ends the entity's list.
    std::optional<QString> datEntries(QStringView line, qsizetype number)
    {
        m_line = number;
        if (!m_open) {
            return fail(
                QCoreApplication::translate(
                    "CountryFile",
                    "The country file is damaged at line %1: it lists prefixes without an entity line before them.")
                    .arg(lineText()));
        }
        const qsizetype end = line.indexOf(u';');
        if (end >= 0) {
            if (!line.mid(end + 1).trimmed().isEmpty()) {
                return fail(
                    QCoreApplication::translate(
                        "CountryFile",
                        "The country file is damaged at line %1: text follows the “;” that ends the prefix list.")
                        .arg(lineText()));
            }
            m_open = false;
        }
        for (const QStringView token : line.left(end >= 0 ? end : line.size()).split(u',', Qt::SkipEmptyParts)) {
            if (!token.trimmed().isEmpty()) {
                if (auto failure = entry(token.trimmed())) {
                    return failure;
                }
            }
        }
        return std::nullopt;
    }

    std::optional<QString> finish()
    {
        if (m_open) {
            return QCoreApplication::translate("CountryFile", "The country file ends inside the prefix list of %1.")
                .arg(m_file.m_entities.last().name);
        }
        if (m_file.m_entities.isEmpty()) {
            return QCoreApplication::translate("CountryFile", "The country file lists no countries.");
        }
        return std::nullopt;
    }

private:
    // Each failure is one whole sentence with the line number as %1, so a translator can order it.
    static std::optional<QString> fail(const QString& sentence) { return sentence; }

    QString lineText() const { return QString::number(m_line); }

    std::optional<QString> entity(QStringView name, QStringView prefix, QStringView continent, QStringView cq,
                                  QStringView itu, QStringView latitude, QStringView longitude, QStringView utc)
    {
        if (m_file.m_entities.size() >= maxEntities) {
            return fail(
                QCoreApplication::translate(
                    "CountryFile", "The country file is damaged at line %1: the file lists more than %2 countries.")
                    .arg(lineText(), QString::number(maxEntities)));
        }
        CountryEntity entity;
        entity.name = name.trimmed().toString();
        if (entity.name.isEmpty() || entity.name.size() > 64 ||
            std::any_of(entity.name.cbegin(), entity.name.cend(), [](QChar c) { return !c.isPrint(); })) {
            return fail(QCoreApplication::translate("CountryFile",
                                                    "The country file is damaged at line %1: the country name "
                                                    "%2 is empty, too long or holds control characters.")
                            .arg(lineText(), quoted(name)));
        }
        QStringView main = prefix.trimmed();
        entity.waeOnly = main.startsWith(u'*');
        entity.primaryPrefix = (entity.waeOnly ? main.mid(1) : main).toString();
        if (entity.primaryPrefix.isEmpty() || entity.primaryPrefix.size() > maxEntryLength) {
            return fail(
                QCoreApplication::translate(
                    "CountryFile", "The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.")
                    .arg(lineText(), quoted(prefix), entity.name));
        }
        entity.continent = continent.trimmed().toString().toUpper();
        if (!continents.contains(entity.continent)) {
            return fail(QCoreApplication::translate("CountryFile",
                                                    "The country file is damaged at line %1: the continent %2 "
                                                    "of %3 is not one of AF, AN, AS, EU, NA, OC, SA.")
                            .arg(lineText(), quoted(continent), entity.name));
        }
        const std::optional<int> cqZone = integerWithin(cq, 1, 40);
        const std::optional<int> ituZone = integerWithin(itu, 1, 90);
        const std::optional<double> lat = numberWithin(latitude, -90, 90);
        const std::optional<double> lon = numberWithin(longitude, -180, 180);
        const std::optional<double> offset = numberWithin(utc, -24, 24);
        if (!cqZone || !ituZone) {
            return fail(QCoreApplication::translate("CountryFile",
                                                    "The country file is damaged at line %1: the zones of %2 are not a "
                                                    "CQ zone from 1 to 40 and an ITU zone from 1 to 90.")
                            .arg(lineText(), entity.name));
        }
        if (!lat || !lon || !offset) {
            return fail(QCoreApplication::translate("CountryFile",
                                                    "The country file is damaged at line %1: the latitude, longitude "
                                                    "or UTC offset of %2 is not a number within range.")
                            .arg(lineText(), entity.name));
        }
        entity.cqZone = *cqZone;
        entity.ituZone = *ituZone;
        entity.latitude = *lat;
        // The files count longitude and time zones positive westwards; the program counts east.
        entity.longitude = *lon == 0 ? 0.0 : -*lon;
        entity.utcOffset = *offset == 0 ? 0.0 : -*offset;
        m_file.m_entities.append(std::move(entity));
        return std::nullopt;
    }

    // One prefix or "=CALL", with its overrides: (cq) [itu] <lat/lon> {continent} ~utc~.
    std::optional<QString> entry(QStringView token)
    {
        if (++m_entries > maxEntries) {
            return fail(QCoreApplication::translate(
                            "CountryFile",
                            "The country file is damaged at line %1: the file lists more than %2 prefixes and calls.")
                            .arg(lineText(), QString::number(maxEntries)));
        }
        const CountryEntity& owner = m_file.m_entities.last();
        const bool exact = token.startsWith(u'=');
        const QStringView body = exact ? token.mid(1) : token;
        qsizetype i = 0;
        while (i < body.size() && !QStringView(u"([<{~").contains(body.at(i))) {
            ++i;
        }
        const QString key = body.left(i).toString().toUpper();
        if (key.isEmpty() || key.size() > maxEntryLength || !std::all_of(key.cbegin(), key.cend(), isCallCharacter)) {
            return fail(QCoreApplication::translate(
                            "CountryFile", "The country file is damaged at line %1: %2 is not a prefix or call.")
                            .arg(lineText(), quoted(token)));
        }
        Match match{m_file.m_entities.size() - 1,
                    owner.continent,
                    owner.cqZone,
                    owner.ituZone,
                    owner.latitude,
                    owner.longitude,
                    owner.utcOffset,
                    false};
        while (i < body.size()) {
            const QChar open = body.at(i);
            const QChar close = QStringView(u")]>}~").at(QStringView(u"([<{~").indexOf(open));
            const qsizetype end = body.indexOf(close, i + 1);
            if (end < 0) {
                return fail(
                    QCoreApplication::translate(
                        "CountryFile", "The country file is damaged at line %1: the override in %2 is not closed.")
                        .arg(lineText(), quoted(token)));
            }
            const QStringView value = body.mid(i + 1, end - i - 1);
            i = end + 1;
            bool good = true;
            if (open == u'(') {
                const std::optional<int> zone = integerWithin(value, 1, 40);
                good = zone.has_value();
                match.cqZone = zone.value_or(0);
            } else if (open == u'[') {
                const std::optional<int> zone = integerWithin(value, 1, 90);
                good = zone.has_value();
                match.ituZone = zone.value_or(0);
            } else if (open == u'<') {
                const QList<QStringView> parts = value.split(u'/');
                const std::optional<double> lat = parts.size() == 2 ? numberWithin(parts.at(0), -90, 90) : std::nullopt;
                const std::optional<double> lon =
                    parts.size() == 2 ? numberWithin(parts.at(1), -180, 180) : std::nullopt;
                good = lat && lon;
                if (good) {
                    match.latitude = *lat;
                    match.longitude = *lon == 0 ? 0.0 : -*lon;
                    match.ownPosition = true;
                }
            } else if (open == u'{') {
                match.continent = value.toString().toUpper();
                good = continents.contains(match.continent);
            } else {
                const std::optional<double> offset = numberWithin(value, -24, 24);
                good = offset.has_value();
                match.utcOffset = offset && *offset != 0 ? -*offset : 0.0;
            }
            if (!good) {
                return fail(
                    QCoreApplication::translate(
                        "CountryFile", "The country file is damaged at line %1: the override in %2 is not valid.")
                        .arg(lineText(), quoted(token)));
            }
        }
        if (exact && key.size() > 3 && key.startsWith(u"VER"_s) &&
            std::all_of(key.cbegin() + 3, key.cend(), [](QChar c) { return c.isDigit(); })) {
            m_file.m_version = key.mid(3);
            return std::nullopt;
        }
        // A prefix listed twice keeps its first country, as the files are meant to be read.
        QHash<QString, Match>& table = exact ? m_file.m_exactCalls : m_file.m_prefixes;
        if (!table.contains(key)) {
            table.insert(key, match);
            if (!exact) {
                m_file.m_longestPrefix = std::max(m_file.m_longestPrefix, key.size());
            }
        }
        return std::nullopt;
    }

    CountryFile& m_file;
    qsizetype m_line = 0;
    qsizetype m_entries = 0;
    bool m_open = false;
};

ProtocolResult<CountryFile> CountryFile::parse(const QByteArray& bytes)
{
    if (bytes.size() > maxBytes) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("CountryFile", "The country file is larger than %1 MiB.")
                .arg(maxBytes / (1024 * 1024)));
    }
    // The files are plain ASCII; anything that is not UTF-8 is read byte for byte.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        text = QString::fromLatin1(bytes);
    }
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    qsizetype first = 0;
    while (first < lines.size() && lines.at(first).trimmed().isEmpty()) {
        ++first;
    }
    if (first == lines.size()) {
        return ProtocolFailure::invalid(QCoreApplication::translate("CountryFile", "The country file is empty."));
    }
    CountryFile file;
    const QStringView opening = lines.at(first);
    if (opening.count(u',') >= 9) {
        file.m_format = Format::csv;
    } else if (opening.count(u':') >= 8) {
        file.m_format = Format::dat;
    } else {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("CountryFile", "The file is neither a cty.csv nor a cty.dat country file."));
    }
    Parser parser(file);
    for (qsizetype i = first; i < lines.size(); ++i) {
        QStringView line = lines.at(i);
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.trimmed().isEmpty()) {
            continue;
        }
        std::optional<QString> failure;
        if (file.m_format == Format::csv) {
            failure = parser.csvLine(line, i + 1);
        } else if (line.front().isSpace()) {
            failure = parser.datEntries(line, i + 1);
        } else {
            failure = parser.datHeader(line, i + 1);
        }
        if (failure) {
            return ProtocolFailure::invalid(*failure);
        }
    }
    if (std::optional<QString> failure = parser.finish()) {
        return ProtocolFailure::invalid(*failure);
    }
    return file;
}

const CountryFile::Match* CountryFile::exactCall(const QString& call) const
{
    const auto found = m_exactCalls.constFind(call);
    return found == m_exactCalls.cend() ? nullptr : &found.value();
}

const CountryFile::Match* CountryFile::longestPrefix(QStringView text, qsizetype* matchedLength) const
{
    for (qsizetype length = std::min(text.size(), m_longestPrefix); length > 0; --length) {
        const auto found = m_prefixes.constFind(text.left(length).toString());
        if (found != m_prefixes.cend()) {
            if (matchedLength) {
                *matchedLength = length;
            }
            return &found.value();
        }
    }
    return nullptr;
}
