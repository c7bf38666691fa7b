#pragma once

#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/support/ManualClock.h"
#include "tests/support/MemoryCredentialStore.h"
#include "tools/station-sim/StationSimulator.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTest>

#include <initializer_list>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace ClientTest {

inline QString portOf(const StationSimulator& simulator)
{
    return QString::number(simulator.serverPort());
}

inline QString endpointOf(const StationSimulator& simulator)
{
    return u"127.0.0.1:"_s + portOf(simulator);
}

// The log without its time stamps.
inline QStringList logTexts(const KeltoClient& client)
{
    QStringList texts;
    for (const QString& line : client.log()) {
        const qsizetype gap = line.indexOf(u"  "_s);
        texts.append(gap < 0 ? line : line.mid(gap + 2));
    }
    return texts;
}

inline QString lastLogText(const KeltoClient& client)
{
    const QStringList texts = logTexts(client);
    return texts.isEmpty() ? QString() : texts.last();
}

// What the simulator received, without the keep-alive bytes.
inline QList<QByteArray> commandRecords(const StationSimulator& simulator)
{
    QList<QByteArray> records;
    for (const QByteArray& record : simulator.received()) {
        if (record != QByteArray(1, '\0')) {
            records.append(record);
        }
    }
    return records;
}

inline int keepAliveCount(const StationSimulator& simulator)
{
    return static_cast<int>(simulator.received().count(QByteArray(1, '\0')));
}

// One wire line: fields joined by the unit separator, ended by CR LF, in Latin-1 (the tests use
// only characters that Windows-1252 writes the same way).
inline QByteArray wireLine(std::initializer_list<QString> fields)
{
    QByteArray bytes;
    bool first = true;
    for (const QString& field : fields) {
        if (!first) {
            bytes.append('\x1f');
        }
        first = false;
        bytes.append(field.toLatin1());
    }
    return bytes + "\r\n";
}

// A loopback port on which nothing listens.
inline quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress(QHostAddress::LocalHost));
    return server.serverPort();
}

// A client, its stores and clock, and a simulator to talk to: rebuilt for every test function.
struct Bench {
    ManualClock clock;
    MemorySettingsStore defaults;
    MemoryCredentialStore credentials;
    std::unique_ptr<StationSimulator> simulator;
    std::unique_ptr<KeltoClient> client;

    explicit Bench(const StationSimulator::Options& options = {}, bool withCredentialStore = true)
        : simulator(std::make_unique<StationSimulator>(options))
    {
        client = std::make_unique<KeltoClient>(withCredentialStore ? &credentials : nullptr, defaults, clock);
        QVERIFY2(simulator->listen(), qPrintable(simulator->errorString()));
    }

    ~Bench()
    {
        // The client first: it refers to the clock and the stores.
        client.reset();
        simulator.reset();
    }

    void connect(const QString& user = {}, const QString& password = {})
    {
        client->connectTo(u"127.0.0.1"_s, portOf(*simulator), user, password);
    }

    // Connects and waits until the whole station has been reported once, the server presets
    // included, so every device is fresh at the clock's current time.
    void connectLive()
    {
        connect();
        QTRY_VERIFY(client->connected());
        QTRY_VERIFY(client->receivedServerPresets());
        QTRY_VERIFY(!client->station().tuners.isEmpty() && client->station().tuners.first().updated.has_value());
        QTRY_VERIFY(!client->station().stacks.isEmpty() && client->station().stacks.first().updated.has_value());
        QTRY_COMPARE(client->station().switches.size(), qsizetype(simulator->switchNames().size()));
        for (const QString& name : simulator->switchNames()) {
            QTRY_VERIFY(client->station().switches.value(name).updated.has_value());
        }
        for (const QString& name : simulator->rotorNames()) {
            QTRY_VERIFY(client->station().rotors.value(name).updated.has_value());
        }
    }
};

} // namespace ClientTest

// Stops the calling test function when a helper's own checks failed.
#define CLIENT_TEST_CHECK(call)                                                                                        \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed()) {                                                                              \
            return;                                                                                                    \
        }                                                                                                              \
    } while (false)
