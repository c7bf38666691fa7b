#include "core/model/RotorMechanics.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>
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

double travel(double from, double to, Numbering numbering)
{
    const double d = bearing(to - from);
    return numbering == Numbering::range ? std::fabs(to - from) : std::min(d, 360.0 - d);
}

// Written from the rules' words, not from the code under test: inside the wire's numbers, the
// limits (any turn of the circle on a bearing wire) and out of the sector's interior.
bool acceptable(const RotorMechanics& m, double x, Numbering numbering)
{
    const double lowest = numbering == Numbering::range ? m.rangeLow() : 0;
    const double highest = numbering == Numbering::range ? m.rangeHigh() : 360;
    bool limits = m.limit != Limit::limits;
    for (int k = numbering == Numbering::range ? 0 : -3; k <= (numbering == Numbering::range ? 0 : 3); ++k) {
        limits = limits || (x + 360.0 * k >= m.low - 1e-6 && x + 360.0 * k <= m.high + 1e-6);
    }
    const double span = bearing(m.sectorTo - m.sectorFrom);
    const double into = bearing(bearing(x) - m.sectorFrom);
    const bool sector = m.limit == Limit::forbiddenSector && span > 1e-6 && into > 1e-6 && into < span - 1e-6;
    return x >= lowest - 1e-6 && x <= highest + 1e-6 && limits && !sector;
}

RotorMechanics made(Limit limit, double low, double high, Range range = Range::full, bool twoWay = false)
{
    RotorMechanics m;
    m.limit = limit;
    m.low = m.sectorFrom = low;
    m.high = m.sectorTo = high;
    m.range = range;
    m.twoWay = twoWay;
    return m;
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
        row("past the limits", made(Limit::limits, 0, 180), Numbering::bearing, 90, 200, 0,
            u"Turn blocked: 200.0° is outside Tower's limits 0–180°."_s);
        row("in the forbidden sector", made(Limit::forbiddenSector, 150, 250), Numbering::bearing, 90, 200, 0,
            u"Turn blocked: 200.0° is inside Tower's forbidden sector 150–250°."_s);
        row("two-way: the other lobe when one is outside", made(Limit::limits, 0, 180, Range::full, true),
            Numbering::bearing, 350, 200, 20);
        row("overlap: the equivalent nearest the rotor", made(Limit::none, 0, 0, Range::overlap), Numbering::range, 400,
            30, 390);
        row("0–360 near north: 360, not 0", {}, Numbering::range, 355, 0, 360);
        row("south stop counts below zero", made(Limit::none, 0, 0, Range::southStop), Numbering::range, -170, 190,
            -170);
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
        QCOMPARE(decision.send.value_or(0), sent);
    }

    // Thousands of turns as every kind of source makes them (a typed heading, a key's whole
    // degrees, an encoder step from where the rotor is, a logger's decimal, a rotctld "P" that may
    // count past 360 or below 0, a point-at bearing) with random limits, ranges, two-way settings
    // and positions. What is sent ends inside the limits and out of the sector, inside the range
    // (so the straight route never crosses the stop), on the asked bearing or its back lobe, and is
    // the nearest such number; a refusal means nothing was allowed.
    void randomTurns_keepEveryRule()
    {
        QRandomGenerator rng(20261208);
        int sent = 0;
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
            m.high = std::min(std::max(std::round(std::max(a, b)), m.low + 1), m.rangeHigh());
            m.sectorFrom = std::round(rng.bounded(360.0));
            m.sectorTo = std::round(rng.bounded(360.0));
            m.twoWay = rng.bounded(2) == 1;
            QVERIFY(m.valid());
            const auto numbering = static_cast<Numbering>(rng.bounded(2));
            const double current =
                numbering == Numbering::bearing ? rng.bounded(360.0) : m.rangeLow() + rng.bounded(span);
            const std::array<double, 6> bySource{std::round(rng.bounded(3600.0)) / 10, std::round(rng.bounded(360.0)),
                                                 current + rng.bounded(61.0) - 30,     rng.bounded(360.0),
                                                 -180.0 + rng.bounded(720.0),          rng.bounded(360.0)};
            const double requested = bySource.at(rng.bounded(6));

            const RotorMechanics::Decision decision =
                RotorMechanics::plan(m, u"Tower"_s, numbering, current, requested);
            const QString where =
                u"turn %1: %2 → %3 sent %4"_s.arg(i).arg(current).arg(requested).arg(decision.send.value_or(qQNaN()));
            QVERIFY2(decision.send.has_value() != decision.refusal.startsWith(u"Turn blocked: "_s), qPrintable(where));
            // Every number of either lobe the wire could carry.
            for (const double lobe : {requested, requested + 180.0}) {
                for (int k = -2; k <= 2 && (lobe == requested || m.twoWay); ++k) {
                    const double y = bearing(lobe) + 360.0 * k;
                    QVERIFY2(!acceptable(m, y, numbering) ||
                                 (decision.send &&
                                  travel(current, *decision.send, numbering) <= travel(current, y, numbering) + 1e-6),
                             qPrintable(where + u" passed over %1"_s.arg(y)));
                }
            }
            if (!decision.send) {
                continue;
            }
            ++sent;
            const double x = *decision.send;
            QVERIFY2(acceptable(m, x, numbering), qPrintable(where));
            QVERIFY2(travel(x, requested, Numbering::bearing) < 1e-6 ||
                         (m.twoWay && travel(x, requested + 180, Numbering::bearing) < 1e-6),
                     qPrintable(where));
            // With nothing fenced off and room on both sides, a two-way turn is at most a quarter turn.
            if (m.twoWay && m.limit == Limit::none &&
                (numbering == Numbering::bearing || (current >= m.rangeLow() + 90 && current <= m.rangeHigh() - 90))) {
                ++twoWayChecked;
                QVERIFY2(travel(current, x, numbering) <= 90.0 + 1e-6, qPrintable(where));
            }
        }
        // The draw reached every outcome.
        QVERIFY(sent > 10000 && sent < 29000);
        QVERIFY(twoWayChecked > 1000);
    }
};

QTEST_GUILESS_MAIN(TestRotorMechanics)
#include "tst_RotorMechanics.moc"
