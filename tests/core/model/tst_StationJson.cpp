#include "core/model/Json.h"
#include "core/model/StationState.h"
#include "tests/support/AccentedNames.h"

#include <QJsonArray>
#include <QTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

StationState populatedState()
{
    StationState state;
    state.signals.insert(u"North"_s, -67);
    state.locations = {u"Club"_s, u"Home"_s};
    state.rotors.insert(u"North"_s, Rotor{u"North"_s, 123.5, u"0"_s, Instant(700.25), Instant(699.0)});
    state.rotors.insert(u"Bare"_s, Rotor{u"Bare"_s, {}, {}, {}, {}});

    AntennaSwitch antennaSwitch;
    antennaSwitch.name = u"Bands"_s;
    antennaSwitch.positions = {u"20m"_s, u"40m"_s, u"OFF"_s};
    antennaSwitch.metadata = {SwitchPosition{u"20m"_s, 14.0, 14.35, {}, {}, false},
                              SwitchPosition{u"Yagi"_s, {}, {}, 45.0, 60.0, true}};
    antennaSwitch.displayType = 3;
    antennaSwitch.lockedPositions = {u"40m"_s, u"20m"_s};
    antennaSwitch.position = u"20m"_s;
    antennaSwitch.status = u"0"_s;
    antennaSwitch.updated = Instant(701.0);
    state.switches.insert(antennaSwitch.name, antennaSwitch);

    state.stacks.insert(u"Upper"_s, StackOutput{u"Upper"_s, true, u"0"_s, Instant(702.0)});
    state.stacks.insert(u"Lower"_s, StackOutput{u"Lower"_s, false, QString(), {}});

    TurvixTuner tuner;
    tuner.name = u"Tuner"_s;
    tuner.rotors = {u"E1"_s, u"E2"_s};
    tuner.positions = {SwitchPosition{u"20m"_s, 14.0, 14.35, {}, {}, false}};
    tuner.headings = {10.5, 200.0};
    tuner.position = u"20m"_s;
    tuner.status = u"0"_s;
    tuner.rssi = u"-70"_s;
    tuner.updated = Instant(703.0);
    state.tuners.insert(tuner.name, tuner);
    return state;
}

// Every generated name as a device of each kind, with a signal.
StationState accentedState()
{
    StationState state;
    state.locations = AccentedNames::generate();
    for (qsizetype i = 0; i < state.locations.size(); ++i) {
        const QString& name = state.locations.at(i);
        state.signals.insert(name, -static_cast<int>(i % 128));
        state.rotors.insert(name, Rotor{name, static_cast<double>(i % 360), u"0"_s, Instant(700.0), {}});
        state.stacks.insert(name, StackOutput{name, i % 2 == 0, u"0"_s, {}});
        AntennaSwitch antennaSwitch;
        antennaSwitch.name = name;
        antennaSwitch.positions = {name};
        antennaSwitch.position = name;
        state.switches.insert(name, antennaSwitch);
        TurvixTuner tuner;
        tuner.name = name;
        state.tuners.insert(name, tuner);
    }
    return state;
}

// Removes the key at the end of a path of object keys from the station's JSON.
QJsonObject without(QJsonObject object, const QStringList& path)
{
    if (path.size() == 1) {
        object.remove(path.first());
        return object;
    }
    const QJsonValue child = object.value(path.first());
    if (child.isArray()) {
        QJsonArray array = child.toArray();
        array[0] = without(array.at(0).toObject(), path.mid(1));
        object.insert(path.first(), array);
    } else {
        object.insert(path.first(), without(child.toObject(), path.mid(1)));
    }
    return object;
}

} // namespace

class StationJsonTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_keepsEveryField_data();
    void roundTrip_keepsEveryField();
    void absentOptionals_areLeftOut();
    void missingRequiredKey_failsWholeDecode_data();
    void missingRequiredKey_failsWholeDecode();
    void missingOptionalKey_decodesAsAbsent_data();
    void missingOptionalKey_decodesAsAbsent();
    void malformedSnapshot_failsDecode_data();
    void malformedSnapshot_failsDecode();
    void nonFiniteValue_cannotBeEncoded_data();
    void nonFiniteValue_cannotBeEncoded();
};

void StationJsonTest::roundTrip_keepsEveryField_data()
{
    QTest::addColumn<StationState>("state");
    QTest::newRow("empty") << StationState();
    QTest::newRow("populated") << populatedState();
    QTest::newRow("accented names") << accentedState();
}

void StationJsonTest::roundTrip_keepsEveryField()
{
    QFETCH(StationState, state);
    const std::optional<QByteArray> bytes = state.encoded();
    QVERIFY(bytes);
    const std::optional<StationState> decoded = StationState::decoded(*bytes);
    QVERIFY(decoded);
    QVERIFY(*decoded == state);
    // Written again, the same bytes: no key lost or written twice.
    QCOMPARE(decoded->encoded(), bytes);
}

void StationJsonTest::absentOptionals_areLeftOut()
{
    const QJsonObject json = populatedState().toJson();
    const QJsonObject bare = json.value(u"rotors"_s).toObject().value(u"Bare"_s).toObject();
    QCOMPARE(bare.keys(), (QStringList{u"name"_s, u"status"_s}));
    const QJsonObject lower = json.value(u"stacks"_s).toObject().value(u"Lower"_s).toObject();
    QVERIFY(!lower.contains(u"updated"_s));
    const QJsonObject yagi = json.value(u"switches"_s)
                                 .toObject()
                                 .value(u"Bands"_s)
                                 .toObject()
                                 .value(u"metadata"_s)
                                 .toArray()
                                 .at(1)
                                 .toObject();
    QVERIFY(!yagi.contains(u"lowerMHz"_s));
    QVERIFY(!yagi.contains(u"upperMHz"_s));
    QCOMPARE(yagi.value(u"bearing"_s).toDouble(), 45.0);
    QCOMPARE(json.value(u"rotors"_s).toObject().value(u"North"_s).toObject().value(u"updated"_s).toDouble(), 700.25);
}

void StationJsonTest::missingRequiredKey_failsWholeDecode_data()
{
    QTest::addColumn<QStringList>("path");
    const auto row = [](const QStringList& path) { QTest::newRow(qPrintable(path.join(u'.'))) << path; };
    for (const QString& key : {u"signals"_s, u"tuners"_s, u"locations"_s, u"stacks"_s, u"rotors"_s, u"switches"_s}) {
        row({key});
    }
    row({u"rotors"_s, u"North"_s, u"name"_s});
    row({u"rotors"_s, u"North"_s, u"status"_s});
    for (const QString& key :
         {u"name"_s, u"positions"_s, u"metadata"_s, u"displayType"_s, u"lockedPositions"_s, u"status"_s}) {
        row({u"switches"_s, u"Bands"_s, key});
    }
    row({u"switches"_s, u"Bands"_s, u"metadata"_s, u"name"_s});
    row({u"switches"_s, u"Bands"_s, u"metadata"_s, u"bidirectional"_s});
    for (const QString& key : {u"name"_s, u"selected"_s, u"status"_s}) {
        row({u"stacks"_s, u"Upper"_s, key});
    }
    for (const QString& key :
         {u"name"_s, u"rotors"_s, u"positions"_s, u"headings"_s, u"position"_s, u"status"_s, u"rssi"_s}) {
        row({u"tuners"_s, u"Tuner"_s, key});
    }
}

void StationJsonTest::missingRequiredKey_failsWholeDecode()
{
    QFETCH(QStringList, path);
    QVERIFY(StationState::fromJson(populatedState().toJson()));
    QVERIFY(!StationState::fromJson(without(populatedState().toJson(), path)));
}

void StationJsonTest::missingOptionalKey_decodesAsAbsent_data()
{
    QTest::addColumn<QStringList>("path");
    const auto row = [](const QStringList& path) { QTest::newRow(qPrintable(path.join(u'.'))) << path; };
    for (const QString& key : {u"heading"_s, u"updated"_s, u"lastHeadingChange"_s}) {
        row({u"rotors"_s, u"North"_s, key});
    }
    row({u"switches"_s, u"Bands"_s, u"position"_s});
    row({u"switches"_s, u"Bands"_s, u"updated"_s});
    row({u"switches"_s, u"Bands"_s, u"metadata"_s, u"lowerMHz"_s});
    row({u"stacks"_s, u"Upper"_s, u"updated"_s});
    row({u"tuners"_s, u"Tuner"_s, u"updated"_s});
}

void StationJsonTest::missingOptionalKey_decodesAsAbsent()
{
    QFETCH(QStringList, path);
    const std::optional<StationState> decoded = StationState::fromJson(without(populatedState().toJson(), path));
    QVERIFY(decoded);
    // The decoded state writes back exactly what it was given: the key is absent, nothing else lost.
    QCOMPARE(decoded->toJson(), without(populatedState().toJson(), path));
    QVERIFY(!(*decoded == populatedState()));
}

void StationJsonTest::malformedSnapshot_failsDecode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray valid = *populatedState().encoded();
    QTest::newRow("not JSON") << QByteArray("{\"signals\":");
    QTest::newRow("array") << QByteArray("[]");
    QTest::newRow("heading as text") << QByteArray(valid).replace("\"heading\":123.5", "\"heading\":\"123.5\"");
    QTest::newRow("fractional display type") << QByteArray(valid).replace("\"displayType\":3", "\"displayType\":3.5");
    QTest::newRow("signal as text") << QByteArray(valid).replace("\"North\":-67", "\"North\":\"-67\"");
    QTest::newRow("rotor filed under another name") << QByteArray(valid).replace("\"Bare\":{", "\"Other\":{");
}

void StationJsonTest::malformedSnapshot_failsDecode()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(bytes != *populatedState().encoded());
    QVERIFY(!StationState::decoded(bytes));
}

void StationJsonTest::nonFiniteValue_cannotBeEncoded_data()
{
    QTest::addColumn<StationState>("state");
    const double inf = std::numeric_limits<double>::infinity();
    StationState heading = populatedState();
    heading.rotors[u"North"_s].heading = inf;
    QTest::newRow("rotor heading") << heading;
    StationState bound = populatedState();
    bound.switches[u"Bands"_s].metadata[0].upperMHz = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("position bound") << bound;
    StationState tunerHeading = populatedState();
    tunerHeading.tuners[u"Tuner"_s].headings.append(-inf);
    QTest::newRow("tuner heading") << tunerHeading;
}

void StationJsonTest::nonFiniteValue_cannotBeEncoded()
{
    QFETCH(StationState, state);
    QVERIFY(!state.encoded());
}

QTEST_GUILESS_MAIN(StationJsonTest)
#include "tst_StationJson.moc"
