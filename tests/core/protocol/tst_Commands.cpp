#include "core/protocol/OVVProtocol.h"

#include <QTest>

#include <functional>
#include <limits>

using namespace Qt::Literals::StringLiterals;

using Encoder = std::function<ProtocolResult<QByteArray>()>;
Q_DECLARE_METATYPE(Encoder)

namespace {

const QString windowsFailure = u"This server uses Windows text encoding; a character cannot be represented."_s;
const QString headingFailure = u"Enter a heading between 0 and 360 degrees."_s;

// Fields joined by the unit separator and ended by CR LF.
QByteArray wire(const QList<QByteArray>& fields)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        bytes += (i ? "\x1f" : "") + fields.at(i);
    }
    return bytes + "\r\n";
}

} // namespace

class CommandsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encoders_buildOneLineOrRefuse_data();
    void encoders_buildOneLineOrRefuse();
    void turn_writesOneDecimalRoundingTiesToEven_data();
    void turn_writesOneDecimalRoundingTiesToEven();
    void authentication_answersChallenge_data();
    void authentication_answersChallenge();
    void authentication_keepsOnlyLowBytesOfPassword();
};

void CommandsTest::encoders_buildOneLineOrRefuse_data()
{
    using namespace OVVProtocol;
    QTest::addColumn<Encoder>("encoder");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("failure");
    const auto row = [](const char* name, Encoder encoder, const QByteArray& bytes, const QString& failure = {}) {
        QTest::newRow(name) << encoder << bytes << failure;
    };
    row(
        "turn", [] { return turn(u"North", 123.45); }, wire({"TURN", "North", "123.5"}));
    row(
        "turn to 360", [] { return turn(u"North", 360.0); }, wire({"TURN", "North", "360.0"}));
    row(
        "turn to 0", [] { return turn(u"North", 0.0); }, wire({"TURN", "North", "0.0"}));
    row(
        "turn to 360.04", [] { return turn(u"North", 360.04); }, {}, headingFailure);
    row(
        "turn to -0.1", [] { return turn(u"North", -0.1); }, {}, headingFailure);
    row(
        "turn to NaN", [] { return turn(u"North", std::numeric_limits<double>::quiet_NaN()); }, {}, headingFailure);
    row(
        "turn to infinity", [] { return turn(u"North", std::numeric_limits<double>::infinity()); }, {}, headingFailure);
    row(
        "turn with tab in name", [] { return turn(u"No\trth", 90.0); }, {}, headingFailure);
    row(
        "turn with Greek name", [] { return turn(u"α", 90.0); }, {}, windowsFailure);
    row(
        "stop", [] { return stop(u"North"); }, wire({"STOP", "North"}));
    row(
        "stop empty name", [] { return stop(u""); }, {}, u"Invalid rotator name."_s);
    row(
        "jog clockwise", [] { return jog(u"Tower", true); }, wire({"TURN", "Tower", "CW"}));
    row(
        "jog counterclockwise", [] { return jog(u"Tower", false); }, wire({"TURN", "Tower", "CCW"}));
    row(
        "jog empty name", [] { return jog(u"", true); }, {}, u"Invalid rotor name."_s);
    row(
        "preset", [] { return preset(u"North", u"Field Day"); }, wire({"TO_PRESET", "North", "Field Day"}));
    row(
        "preset empty location", [] { return preset(u"North", u""); }, {}, u"Invalid rotator or preset name."_s);
    row(
        "lock", [] { return rotorLock(u"North", true); }, wire({"LOCK", "North"}));
    row(
        "unlock", [] { return rotorLock(u"North", false); }, wire({"UNLOCK", "North"}));
    row(
        "lock empty name", [] { return rotorLock(u"", true); }, {}, u"Invalid rotor name."_s);
    row(
        "stack on", [] { return setStack(u"Upper", true); }, wire({"SET_STACK", "Upper", "true"}));
    row(
        "stack off", [] { return setStack(u"Upper", false); }, wire({"SET_STACK", "Upper", "false"}));
    row(
        "stack with unit separator", [] { return setStack(u"Up\x1fper", true); }, {}, u"Invalid stack name."_s);
    row(
        "switch", [] { return selectSwitch(u"A", u"2"); }, wire({"SET_SWITCH", "A", "2"}));
    row(
        "switch remove from selection", [] { return selectSwitch(u"A", u"2", false); },
        wire({"SET_SWITCH", "A", "2", "false"}));
    row(
        "switch add to selection", [] { return selectSwitch(u"A", u"2", true); },
        wire({"SET_SWITCH", "A", "2", "true"}));
    row(
        "switch position with CR", [] { return selectSwitch(u"A", u"2\r"); }, {},
        u"Invalid switch or position name."_s);
    row(
        "tuner position", [] { return turvixPosition(u"T", u"20m"); }, wire({"SET_TURVIX", "T", "20m"}));
    row(
        "tuner empty position", [] { return turvixPosition(u"T", u""); }, {}, u"Invalid tuner position."_s);
    row(
        "tuner jog", [] { return turvixJog(u"T", u"E1", true); }, wire({"TURVIXTURN", "T", "E1", "CW"}));
    row(
        "tuner jog back", [] { return turvixJog(u"T", u"E1", false); }, wire({"TURVIXTURN", "T", "E1", "CCW"}));
    row(
        "tuner jog empty rotor", [] { return turvixJog(u"T", u"", true); }, {}, u"Invalid tuner rotor."_s);
    row(
        "tuner calibrate", [] { return turvixCalibrate(u"T", u"E2"); }, wire({"TURVIX_CAL", "T", "E2"}));
    row(
        "tuner calibrate empty name", [] { return turvixCalibrate(u"", u"E2"); }, {}, u"Invalid tuner rotor."_s);
    row(
        "username", [] { return username(u"alice"); }, QByteArray("alice\r\n"));
    row(
        "username empty", [] { return username(u""); }, {}, u"Enter a valid username for this server."_s);
    row(
        "euro in name", [] { return stop(u"€uro"); }, wire({"STOP", "\x80uro"}));
    row(
        "Greek in name", [] { return stop(u"αlpha"); }, {}, windowsFailure);
    row(
        "locations request", [] { return ProtocolResult<QByteArray>(getLocations()); },
        QByteArray("GET_LOCATIONS\r\n"));
}

void CommandsTest::encoders_buildOneLineOrRefuse()
{
    QFETCH(Encoder, encoder);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, failure);
    const ProtocolResult<QByteArray> result = encoder();
    if (failure.isEmpty()) {
        QVERIFY2(result, result ? "" : qPrintable(result.failure().message));
        QCOMPARE(*result, bytes);
    } else {
        QVERIFY(!result);
        QCOMPARE(result.failure().message, failure);
    }
}

void CommandsTest::turn_writesOneDecimalRoundingTiesToEven_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("0") << 0.0 << QByteArray("0.0");
    QTest::newRow("90.25 is an exact tie") << 90.25 << QByteArray("90.2");
    QTest::newRow("0.25 is an exact tie") << 0.25 << QByteArray("0.2");
    QTest::newRow("0.75 is an exact tie") << 0.75 << QByteArray("0.8");
    QTest::newRow("12.35 is stored below") << 12.35 << QByteArray("12.3");
    QTest::newRow("123.45 is stored above") << 123.45 << QByteArray("123.5");
    QTest::newRow("359.96") << 359.96 << QByteArray("360.0");
    QTest::newRow("360") << 360.0 << QByteArray("360.0");
    QTest::newRow("negative zero loses its sign") << -0.0 << QByteArray("0.0");
}

void CommandsTest::turn_writesOneDecimalRoundingTiesToEven()
{
    QFETCH(double, degrees);
    QFETCH(QByteArray, text);
    const ProtocolResult<QByteArray> result = OVVProtocol::turn(u"R", degrees);
    QVERIFY(result);
    QCOMPARE(*result, wire({"TURN", "R", text}));
}

void CommandsTest::authentication_answersChallenge_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("challenge");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("failure");
    // Answers computed independently: SHA-256(U + C + SHA-256(U + P)).
    QTest::newRow("ASCII") << u"alice"_s << u"secret"_s << u"4F2A9C"_s
                           << QByteArray::fromHex("b57c2644c7168107e94a46f6b922a279f5b74decf0fb515f9e8a2131fc3f687e")
                           << QString();
    QTest::newRow("Windows-1252 user and password")
        << u"Jürgen€"_s << u"pässword"_s << u"xyz"_s
        << QByteArray::fromHex("bcec2bade05f4e68e5afb79db592569e2dafe7b441c8535de16637d3c8dd3cfb") << QString();
    QTest::newRow("empty password") << u"bob"_s << QString() << u"CH"_s
                                    << QByteArray::fromHex(
                                           "d460e584d5c98577f4483e2c7e142fafd6252a11b3feefaed40b742b8b949302")
                                    << QString();
    QTest::newRow("empty user") << QString() << u"secret"_s << u"CH"_s << QByteArray() << u"A username is required."_s;
    QTest::newRow("user with tab") << u"a\tb"_s << u"secret"_s << u"CH"_s << QByteArray()
                                   << u"A username is required."_s;
    QTest::newRow("Greek user") << u"αlice"_s << u"secret"_s << u"CH"_s << QByteArray() << windowsFailure;
    QTest::newRow("Greek challenge") << u"alice"_s << u"secret"_s << u"Cα"_s << QByteArray() << windowsFailure;
}

void CommandsTest::authentication_answersChallenge()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, challenge);
    QFETCH(QByteArray, answer);
    QFETCH(QString, failure);
    const ProtocolResult<QByteArray> result = OVVProtocol::authentication(user, password, challenge);
    if (failure.isEmpty()) {
        QVERIFY(result);
        QCOMPARE(result->size(), 32);
        QCOMPARE(*result, answer);
    } else {
        QVERIFY(!result);
        QCOMPARE(result.failure().message, failure);
    }
}

void CommandsTest::authentication_keepsOnlyLowBytesOfPassword()
{
    // U+0141 and U+0041 share the low byte 0x41; U+0142 does not.
    const auto a = OVVProtocol::authentication(u"alice", u"\u0141bc", u"CH");
    const auto b = OVVProtocol::authentication(u"alice", u"Abc", u"CH");
    const auto c = OVVProtocol::authentication(u"alice", u"\u0142bc", u"CH");
    QVERIFY(a && b && c);
    QCOMPARE(*a, *b);
    QVERIFY(*a != *c);
    const auto longUser = OVVProtocol::authentication(QString(512, u'u'), u"pw", u"CH");
    QVERIFY(longUser);
    QCOMPARE(longUser->size(), 32);
}

QTEST_GUILESS_MAIN(CommandsTest)
#include "tst_Commands.moc"
