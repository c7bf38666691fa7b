#include "app/profiles/HeadingPreset.h"
#include "app/profiles/RotorLocation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString endpoint = u"shack.local:4001"_s;

RotorLocation location(const QString& rotor, double latitude = 47.0)
{
    return RotorLocation{endpoint, rotor, u"Hill"_s, latitude, 8.5, -12, false, 1500};
}

HeadingPreset preset(const QString& id, const QString& name, double degrees)
{
    return HeadingPreset{QUuid::fromString(id), endpoint, u"Tower"_s, name, degrees};
}

QString arrayText(const QJsonArray& array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

const QString idA = u"AAAAAAAA-0000-0000-0000-000000000001"_s;
const QString idB = u"BBBBBBBB-0000-0000-0000-000000000002"_s;

} // namespace

class TestPresetsLocations final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void make_trimsNameAndChecksEveryField_data()
    {
        QTest::addColumn<QString>("rotor");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<bool>("made");
        QTest::newRow("trimmed name") << u"Tower"_s << u"  EU \n"_s << 45.0 << true;
        QTest::newRow("360 accepted") << u"Tower"_s << u"N"_s << 360.0 << true;
        QTest::newRow("0 accepted") << u"Tower"_s << u"N"_s << 0.0 << true;
        QTest::newRow("blank name") << u"Tower"_s << u"   "_s << 45.0 << false;
        QTest::newRow("360.5") << u"Tower"_s << u"N"_s << 360.5 << false;
        QTest::newRow("negative") << u"Tower"_s << u"N"_s << -1.0 << false;
        QTest::newRow("nan") << u"Tower"_s << u"N"_s << qQNaN() << false;
        QTest::newRow("separator in name") << u"Tower"_s << u"E\u001fU"_s << 45.0 << false;
        QTest::newRow("empty rotor") << u""_s << u"N"_s << 45.0 << false;
        QTest::newRow("rotor with tab") << u"T\tower"_s << u"N"_s << 45.0 << false;
    }
    void make_trimsNameAndChecksEveryField()
    {
        QFETCH(QString, rotor);
        QFETCH(QString, name);
        QFETCH(double, degrees);
        QFETCH(bool, made);
        const ProtocolResult<HeadingPreset> result = HeadingPreset::make(endpoint, rotor, name, degrees);
        QCOMPARE(result.ok(), made);
        if (made) {
            QCOMPARE(result->name, name.trimmed());
            QCOMPARE(result->rotor, rotor);
            QVERIFY(!result->id.isNull());
        } else {
            QCOMPARE(result.failure().message, u"Give the preset a name and a heading from 0 to 360 degrees."_s);
        }
    }

    void decode_damagedOrRepeatedRecords_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<HeadingPreset>>("expected");

        const QJsonObject a = preset(idA, u"EU"_s, 45).toJson();
        const QJsonObject b = preset(idB, u"JA"_s, 330).toJson();
        QJsonObject missingDegrees = b;
        missingDegrees.remove(u"degrees"_s);
        QJsonObject sameIdOtherName = a;
        sameIdOtherName[u"name"_s] = u"Second"_s;
        QJsonObject sameNameOtherId = b;
        sameNameOtherId[u"name"_s] = u"EU"_s;
        QJsonObject tooFar = b;
        tooFar[u"degrees"_s] = 400;
        QJsonObject invalidA = a;
        invalidA[u"degrees"_s] = -5;
        QJsonObject lowerCaseId = b;
        lowerCaseId[u"id"_s] = idB.toLower();

        QTest::newRow("not json") << u"[{]"_s << QList<HeadingPreset>{};
        QTest::newRow("not an array") << u"{}"_s << QList<HeadingPreset>{};
        QTest::newRow("empty text") << u""_s << QList<HeadingPreset>{};
        QTest::newRow("one record lacks degrees") << arrayText({a, missingDegrees}) << QList<HeadingPreset>{};
        QTest::newRow("first of repeated id wins")
            << arrayText({a, sameIdOtherName, b})
            << QList<HeadingPreset>{preset(idA, u"EU"_s, 45), preset(idB, u"JA"_s, 330)};
        QTest::newRow("same name, different ids")
            << arrayText({a, sameNameOtherId})
            << QList<HeadingPreset>{preset(idA, u"EU"_s, 45), preset(idB, u"EU"_s, 330)};
        QTest::newRow("invalid heading dropped")
            << arrayText({tooFar, a}) << QList<HeadingPreset>{preset(idA, u"EU"_s, 45)};
        QTest::newRow("invalid first does not claim the id")
            << arrayText({invalidA, a}) << QList<HeadingPreset>{preset(idA, u"EU"_s, 45)};
        QTest::newRow("lower-case id read")
            << arrayText({lowerCaseId}) << QList<HeadingPreset>{preset(idB, u"JA"_s, 330)};
    }
    void decode_damagedOrRepeatedRecords()
    {
        QFETCH(QString, stored);
        QFETCH(QList<HeadingPreset>, expected);
        QCOMPARE(HeadingPreset::decode(stored), expected);
    }

    void encode_dropsInvalidButKeepsRepeats()
    {
        const HeadingPreset a = preset(idA, u"EU"_s, 45);
        const HeadingPreset bad = preset(idB, u"JA"_s, 400);
        const QString text = HeadingPreset::encode({a, bad, a});
        const QJsonArray array = QJsonDocument::fromJson(text.toUtf8()).array();
        QCOMPARE(array.size(), 2);
        QCOMPARE(array.at(0).toObject().value(u"id"_s).toString(), idA);
        QCOMPARE(HeadingPreset::encode({bad}), u"[]"_s);
    }

    void locationValidity_bounds_data()
    {
        QTest::addColumn<RotorLocation>("candidate");
        QTest::addColumn<bool>("valid");
        const RotorLocation base = location(u"Tower"_s);
        const auto with = [&base](auto change) {
            RotorLocation changed = base;
            change(changed);
            return changed;
        };
        QTest::newRow("base") << base << true;
        QTest::newRow("latitude 85") << with([](RotorLocation& l) { l.latitude = 85.0; }) << true;
        QTest::newRow("latitude 85.01") << with([](RotorLocation& l) { l.latitude = 85.01; }) << false;
        QTest::newRow("latitude -85") << with([](RotorLocation& l) { l.latitude = -85.0; }) << true;
        QTest::newRow("longitude -180") << with([](RotorLocation& l) { l.longitude = -180; }) << true;
        QTest::newRow("longitude 180.5") << with([](RotorLocation& l) { l.longitude = 180.5; }) << false;
        QTest::newRow("offset 180") << with([](RotorLocation& l) { l.northOffset = 180; }) << true;
        QTest::newRow("offset -181") << with([](RotorLocation& l) { l.northOffset = -181; }) << false;
        QTest::newRow("span 100") << with([](RotorLocation& l) { l.spanMeters = 100; }) << true;
        QTest::newRow("span 10000") << with([](RotorLocation& l) { l.spanMeters = 10'000; }) << true;
        QTest::newRow("span 99") << with([](RotorLocation& l) { l.spanMeters = 99; }) << false;
        QTest::newRow("span 10001") << with([](RotorLocation& l) { l.spanMeters = 10'001; }) << false;
        QTest::newRow("span nan") << with([](RotorLocation& l) { l.spanMeters = qQNaN(); }) << false;
        QTest::newRow("empty rotor") << with([](RotorLocation& l) { l.rotor.clear(); }) << false;
        QTest::newRow("endpoint with newline") << with([](RotorLocation& l) { l.endpoint += u'\n'; }) << false;
        QTest::newRow("label is free") << with([](RotorLocation& l) { l.label = u"\t"_s; }) << true;
        QTest::newRow("beam 1") << with([](RotorLocation& l) { l.beamwidth = 1; }) << true;
        QTest::newRow("beam 360") << with([](RotorLocation& l) { l.beamwidth = 360; }) << true;
        QTest::newRow("beam 0") << with([](RotorLocation& l) { l.beamwidth = 0; }) << false;
        QTest::newRow("beam nan") << with([](RotorLocation& l) { l.beamwidth = qQNaN(); }) << false;
    }
    void locationValidity_bounds()
    {
        QFETCH(RotorLocation, candidate);
        QFETCH(bool, valid);
        QCOMPARE(candidate.valid(), valid);
    }

    void trueBearing_wrapsIntoTheCircle_data()
    {
        QTest::addColumn<double>("heading");
        QTest::addColumn<double>("offset");
        QTest::addColumn<std::optional<double>>("expected");
        QTest::newRow("350 + 20") << 350.0 << 20.0 << std::optional(10.0);
        QTest::newRow("10 - 20") << 10.0 << -20.0 << std::optional(350.0);
        QTest::newRow("90 + 0") << 90.0 << 0.0 << std::optional(90.0);
        QTest::newRow("360 + 0") << 360.0 << 0.0 << std::optional(0.0);
        QTest::newRow("infinite heading") << qInf() << 0.0 << std::optional<double>();
        QTest::newRow("nan offset") << 10.0 << qQNaN() << std::optional<double>();
    }
    void trueBearing_wrapsIntoTheCircle()
    {
        QFETCH(double, heading);
        QFETCH(double, offset);
        QFETCH(std::optional<double>, expected);
        RotorLocation tower = location(u"Tower"_s);
        tower.northOffset = offset;
        QCOMPARE(tower.trueBearing(heading), expected);
    }

    void decodeLocations_keepsValidOnesAndFailsWhole()
    {
        const QJsonObject good = location(u"Tower"_s).toJson();
        const QJsonObject far = location(u"Mast"_s, 86).toJson();
        QJsonObject missing = good;
        missing.remove(u"satellite"_s);
        QCOMPARE(RotorLocation::decode(arrayText({good, far})), QList<RotorLocation>{location(u"Tower"_s)});
        QCOMPARE(RotorLocation::decode(arrayText({good, missing})), QList<RotorLocation>{});
        QCOMPARE(RotorLocation::decode(u"garbage"_s), QList<RotorLocation>{});
    }

    void decodeLocations_beamwidthIsKeptAndOlderRecordsGetTheDefault()
    {
        RotorLocation narrow = location(u"Tower"_s);
        narrow.beamwidth = 38.5;
        QJsonObject older = location(u"Mast"_s).toJson();
        older.remove(u"beamwidth"_s);
        QJsonObject damaged = location(u"Pole"_s).toJson();
        damaged.insert(u"beamwidth"_s, u"wide"_s);
        const QList<RotorLocation> read = RotorLocation::decode(arrayText({narrow.toJson(), older}));
        QCOMPARE(read.size(), 2);
        QCOMPARE(read.at(0).beamwidth, 38.5);
        QCOMPARE(read.at(1).beamwidth, RotorLocation::defaultBeamwidth);
        QCOMPARE(RotorLocation::decode(arrayText({narrow.toJson(), damaged})), QList<RotorLocation>{});
    }

    void effective_prefersSavedThenSite()
    {
        const RotorLocation saved = location(u"Tower"_s);
        const QString stored = *RotorLocation::encode({location(u"Mast"_s, 10), saved});

        QCOMPARE(RotorLocation::effective(endpoint, u"Tower"_s, stored, u"Site"_s, 1.0, 2.0), std::optional(saved));

        const auto fromSite = RotorLocation::effective(endpoint, u"Other"_s, stored, u"Site"_s, 46.0, 7.0);
        QVERIFY(fromSite);
        QCOMPARE(*fromSite, (RotorLocation{endpoint, u"Other"_s, u"Site"_s, 46.0, 7.0, 0, true, 600}));

        const RotorLocation composed{endpoint, u"Caf\u00e9"_s, u"Hill"_s, 40.0, 8.0, 0, false, 1500};
        const QString withComposed = *RotorLocation::encode({composed});
        QCOMPARE(RotorLocation::effective(endpoint, u"Cafe\u0301"_s, withComposed, u"Site"_s, 1.0, 2.0),
                 std::optional(composed));
        QVERIFY(!RotorLocation::effective(endpoint, u"Other"_s, stored, u"Site"_s, 86.0, 7.0));
        QVERIFY(!RotorLocation::effective(endpoint, u"Other"_s, stored, u"Site"_s, 46.0, std::nullopt));
        QVERIFY(!RotorLocation::effective(endpoint, u""_s, u"[]"_s, u"Site"_s, 46.0, 7.0));
    }

    void saving_setsReplacesOrClearsOneRotor()
    {
        const RotorLocation mast = location(u"Mast"_s, 10);
        const RotorLocation tower = location(u"Tower"_s, 20);
        const RotorLocation yagi = location(u"Yagi"_s, 30);
        const QString stored = *RotorLocation::encode({mast, tower, yagi});

        RotorLocation moved = tower;
        moved.latitude = 21;
        QCOMPARE(RotorLocation::decode(RotorLocation::saving(moved, endpoint, u"Tower"_s, stored)),
                 (QList<RotorLocation>{mast, yagi, moved}));
        QCOMPARE(RotorLocation::decode(RotorLocation::saving(std::nullopt, endpoint, u"Tower"_s, stored)),
                 (QList<RotorLocation>{mast, yagi}));
        QCOMPARE(RotorLocation::saving(moved, endpoint, u"Mast"_s, stored), stored);
        QCOMPARE(RotorLocation::saving(moved, u"other:1"_s, u"Tower"_s, stored), stored);
        RotorLocation invalid = tower;
        invalid.spanMeters = 50;
        QCOMPARE(RotorLocation::saving(invalid, endpoint, u"Tower"_s, stored), stored);
        QCOMPARE(RotorLocation::decode(RotorLocation::saving(moved, endpoint, u"Tower"_s, u"damaged"_s)),
                 QList<RotorLocation>{moved});
    }
};

QTEST_GUILESS_MAIN(TestPresetsLocations)
#include "tst_presetslocations.moc"
