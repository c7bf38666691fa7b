#include "core/model/RotorMechanics.h"

#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

using Numbering = RotorMechanics::Numbering;
using Limit = RotorMechanics::Limit;
using Range = RotorMechanics::Range;

namespace {

double bearing(double x)
{
    const double b = std::fmod(x, 360.0);
    return b < 0 ? b + 360.0 : b;
}

bool sameBearing(double a, double b)
{
    const double d = bearing(a - b);
    return std::min(d, 360.0 - d) < 1e-6;
}

// The checks below are written from the rules' words, not from the code under test.
bool insideLimits(const RotorMechanics& m, double x, Numbering numbering)
{
    if (numbering == Numbering::range) {
        return x >= m.low - 1e-6 && x <= m.high + 1e-6;
    }
    for (int k = -3; k <= 3; ++k) {
        if (x + 360.0 * k >= m.low - 1e-6 && x + 360.0 * k <= m.high + 1e-6) {
            return true;
        }
    }
    return false;
}

bool insideSector(const RotorMechanics& m, double x)
{
    // Walk clockwise from the sector's start in small steps; the end is the first point past it.
    const double span = bearing(m.sectorTo - m.sectorFrom);
    const double into = bearing(bearing(x) - m.sectorFrom);
    return span > 1e-6 && into > 1e-6 && into < span - 1e-6;
}

bool acceptable(const RotorMechanics& m, double x, Numbering numbering)
{
    if (numbering == Numbering::range && (x < m.rangeLow() - 1e-6 || x > m.rangeHigh() + 1e-6)) {
        return false;
    }
    if (numbering == Numbering::bearing && (x < 0 || x > 360)) {
        return false;
    }
    return (m.limit != Limit::limits || insideLimits(m, x, numbering)) &&
           (m.limit != Limit::forbiddenSector || !insideSector(m, x));
}

RotorMechanics limited(double low, double high, Range range = Range::full)
{
    RotorMechanics m;
    m.limit = Limit::limits;
    m.low = low;
    m.high = high;
    m.range = range;
    return m;
}

// The ways a source comes by its number: a typed or bound heading, an encoder step from where
// the rotor is, a logger's decimal, a rotctld "P" (which may count past 360 or below 0), a
// point-at bearing.
enum class Source { window, key, encoder, logger, rotctld, pointAt };

double requestFrom(Source source, double current, QRandomGenerator& rng)
{
    switch (source) {
    case Source::window:
        return std::round(rng.bounded(360.0) * 10) / 10;
    case Source::key:
        return std::round(rng.bounded(360.0));
    case Source::encoder:
        return current + (rng.bounded(2) ? 1 : -1) * (1 + rng.bounded(30));
    case Source::logger:
        return rng.bounded(360.0);
    case Source::rotctld:
        return -180.0 + rng.bounded(720.0);
    case Source::pointAt:
        return rng.bounded(360.0);
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(RotorMechanics)

class TestRotorMechanics final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plan_choosesTheNumberOrSaysWhy_data()
    {
        QTest::addColumn<RotorMechanics>("mechanics");
        QTest::addColumn<int>("numbering");
        QTest::addColumn<double>("current");
        QTest::addColumn<double>("requested");
        QTest::addColumn<double>("sent");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char* name, const RotorMechanics& m, Numbering n, double current, double requested,
                            double sent, const QString& refusal = {}) {
            QTest::newRow(name) << m << static_cast<int>(n) << current << requested << sent << refusal;
        };
        RotorMechanics sector;
        sector.limit = Limit::forbiddenSector;
        sector.sectorFrom = 150;
        sector.sectorTo = 250;
        RotorMechanics twoWay;
        twoWay.twoWay = true;
        RotorMechanics twoWayLimited = limited(90, 270);
        twoWayLimited.twoWay = true;
        RotorMechanics overlap;
        overlap.range = Range::overlap;
        RotorMechanics south;
        south.range = Range::southStop;
        RotorMechanics wrappedSector = sector;
        wrappedSector.sectorFrom = 350;
        wrappedSector.sectorTo = 20;

        row("plain rotor: as asked", {}, Numbering::bearing, 10, 200, 200);
        row("past the limits", limited(0, 180), Numbering::bearing, 90, 200, 0,
            u"Turn blocked: 200.0° is outside Tower's limits 0–180°."_s);
        row("at the limit", limited(0, 180), Numbering::bearing, 90, 180, 180);
        row("in the forbidden sector", sector, Numbering::bearing, 90, 200, 0,
            u"Turn blocked: 200.0° is inside Tower's forbidden sector 150–250°."_s);
        row("sector across north", wrappedSector, Numbering::bearing, 90, 5, 0,
            u"Turn blocked: 5.0° is inside Tower's forbidden sector 350–20°."_s);
        row("on the sector's edge", sector, Numbering::bearing, 90, 150, 150);
        row("two-way: the nearer lobe", twoWay, Numbering::bearing, 10, 200, 20);
        row("two-way: across north", twoWay, Numbering::bearing, 350, 175, 355);
        row("two-way: the other lobe when one is outside", twoWayLimited, Numbering::bearing, 0, 10, 190);
        row("overlap: the equivalent nearest the rotor", overlap, Numbering::range, 400, 30, 390);
        row("overlap: from the low side", overlap, Numbering::range, 20, 30, 30);
        row("full range near north: 360, not 0", {}, Numbering::range, 355, 0, 360);
        row("south stop counts below zero", south, Numbering::range, -170, 190, -170);
        row("south-stop limits", limited(-90, 90, Range::southStop), Numbering::range, 0, 180, 0,
            u"Turn blocked: 180.0° is outside Tower's limits -90–90°."_s);
        row("south-stop limits on a bearing wire", limited(-90, 90, Range::southStop), Numbering::bearing, 0, 300, 300);
        row("rotctld past 360 is the same bearing", overlap, Numbering::range, 20, 390, 30);
    }
    void plan_choosesTheNumberOrSaysWhy()
    {
        QFETCH(RotorMechanics, mechanics);
        QFETCH(int, numbering);
        QFETCH(double, current);
        QFETCH(double, requested);
        QFETCH(double, sent);
        QFETCH(QString, refusal);
        const RotorMechanics::Decision decision =
            RotorMechanics::plan(mechanics, u"Tower"_s, static_cast<Numbering>(numbering), current, requested);
        QCOMPARE(decision.refusal, refusal);
        QCOMPARE(decision.send.has_value(), refusal.isEmpty());
        if (decision.send) {
            QCOMPARE(*decision.send, sent);
        }
    }

    // Thousands of turns from every kind of source, with random limits, ranges, two-way settings
    // and positions: what is sent never ends outside the limits or in the sector, stays inside
    // the range (so the straight route never crosses the stop), and a refusal means there was
    // truly nothing allowed to send.
    void randomTurns_keepEveryRule()
    {
        QRandomGenerator rng(20261208);
        int sent = 0;
        int refused = 0;
        int twoWayChecked = 0;
        for (int i = 0; i < 30000; ++i) {
            RotorMechanics m;
            m.range = static_cast<Range>(rng.bounded(3));
            m.overlapEnd = 361 + rng.bounded(179);
            m.limit = static_cast<Limit>(rng.bounded(3));
            const double span = m.rangeHigh() - m.rangeLow();
            const double a = m.rangeLow() + rng.bounded(span);
            const double b = m.rangeLow() + rng.bounded(span);
            m.low = std::min(std::round(std::min(a, b)), m.rangeHigh() - 1);
            m.high = std::max(std::round(std::max(a, b)), m.low + 1);
            m.high = std::min(m.high, m.rangeHigh());
            m.sectorFrom = std::round(rng.bounded(360.0));
            m.sectorTo = std::round(rng.bounded(360.0));
            m.twoWay = rng.bounded(2) == 1;
            QVERIFY2(m.valid(), qPrintable(QString::number(i)));
            const auto numbering = static_cast<Numbering>(rng.bounded(2));
            const double current =
                numbering == Numbering::bearing ? rng.bounded(360.0) : m.rangeLow() + rng.bounded(span);
            const auto source = static_cast<Source>(rng.bounded(6));
            const double requested = requestFrom(source, current, rng);

            const RotorMechanics::Decision decision =
                RotorMechanics::plan(m, u"Tower"_s, numbering, current, requested);
            const QString where = u"turn %1: %2 → %3"_s.arg(i).arg(current).arg(requested);
            if (!decision.send) {
                ++refused;
                QVERIFY2(decision.refusal.startsWith(u"Turn blocked: "_s), qPrintable(where));
                // Every number of either lobe that the wire could carry was forbidden.
                for (const double lobe : {requested, requested + 180.0}) {
                    if (lobe != requested && !m.twoWay) {
                        continue;
                    }
                    for (int k = -2; k <= 2; ++k) {
                        const double x = bearing(lobe) + 360.0 * k;
                        QVERIFY2(!acceptable(m, x, numbering), qPrintable(where + u" could send %1"_s.arg(x)));
                    }
                }
                continue;
            }
            ++sent;
            const double x = *decision.send;
            QVERIFY2(acceptable(m, x, numbering), qPrintable(where + u" sent %1"_s.arg(x)));
            QVERIFY2(sameBearing(x, requested) || (m.twoWay && sameBearing(x, requested + 180.0)),
                     qPrintable(where + u" sent %1"_s.arg(x)));
            // With nothing fenced off and room on both sides, a two-way turn is never more than
            // a quarter turn.
            const bool room =
                numbering == Numbering::bearing || (current >= m.rangeLow() + 90 && current <= m.rangeHigh() - 90);
            if (m.twoWay && m.limit == Limit::none && room) {
                ++twoWayChecked;
                const double travel = numbering == Numbering::bearing
                                          ? std::min(bearing(x - current), 360.0 - bearing(x - current))
                                          : std::fabs(x - current);
                QVERIFY2(travel <= 90.0 + 1e-6, qPrintable(where + u" travelled %1"_s.arg(travel)));
            }
        }
        // The draw reached every outcome.
        QVERIFY(sent > 10000);
        QVERIFY(refused > 1000);
        QVERIFY(twoWayChecked > 1000);
    }

    void json_roundTripsAndOlderRecordsLoadAsPlainRotors()
    {
        RotorMechanics m = limited(-90, 90, Range::southStop);
        m.twoWay = true;
        m.park = 180;
        m.idleParkMinutes = 30;
        m.stallWatchdog = false;
        m.stallDegrees = 2.5;
        m.stallSeconds = 20;
        m.maxTurnSeconds = 200;
        QCOMPARE(RotorMechanics::fromJson(m.toJson()), std::optional<RotorMechanics>(m));
        QCOMPARE(RotorMechanics::fromJson(QJsonObject()), std::optional<RotorMechanics>(RotorMechanics{}));

        QJsonObject wrongType = m.toJson();
        wrongType.insert(u"twoWay"_s, u"yes"_s);
        QCOMPARE(RotorMechanics::fromJson(wrongType), std::nullopt);
        QJsonObject unknownRange = m.toJson();
        unknownRange.insert(u"range"_s, u"sideways"_s);
        QCOMPARE(RotorMechanics::fromJson(unknownRange), std::nullopt);
        // Limits outside the range they are counted in.
        QJsonObject outside = m.toJson();
        outside.insert(u"high"_s, 270);
        QCOMPARE(RotorMechanics::fromJson(outside), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestRotorMechanics)
#include "tst_RotorMechanics.moc"
