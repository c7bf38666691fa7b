// The client's own receive path: bytes in as a station server, a KT-90 terminal, KT-90
// datagrams or a rotctld answering position queries, a station out, within the client's bounds, and its snapshot read
// back equal.
#include "FuzzSupport.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "core/protocol/StationFootprint.h"
#include "tests/support/ManualClock.h"

using namespace Qt::Literals::StringLiterals;

// Stands where a transport would: the client believes one has just become ready.
class KeltoClientProbe {
public:
    static void open(KeltoClient& client, ConnectionKind kind)
    {
        client.setConnectionKind(kind);
        client.setEndpoint(u"fuzz.example:4001"_s);
        client.m_tcpReady = true;
        client.setConnecting(true);
    }

    static bool isOpen(const KeltoClient& client) { return client.m_tcpReady; }

    static void receive(KeltoClient& client, QByteArrayView bytes)
    {
        switch (client.connectionKind()) {
        case ConnectionKind::ovVarnex:
            client.receiveLines(bytes.toByteArray());
            break;
        case ConnectionKind::kt90UDP:
            client.receiveDatagram(bytes);
            break;
        case ConnectionKind::kt90Terminal:
        case ConnectionKind::kt90Serial:
            client.receiveTerminal(bytes.toByteArray());
            break;
        case ConnectionKind::hamlibRotctld:
            // As the timer would: a query whenever none is waiting for its answer.
            client.queryHeading();
            client.receiveRotctld(bytes.toByteArray());
            break;
        }
    }
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    Fuzz::application();
    ManualClock clock;
    MemorySettingsStore defaults;
    KeltoClient client(nullptr, defaults, clock);
    const ConnectionKind kind = data[0] % 4 == 1   ? ConnectionKind::kt90Terminal
                                : data[0] % 4 == 2 ? ConnectionKind::kt90UDP
                                : data[0] % 4 == 3 ? ConnectionKind::hamlibRotctld
                                                   : ConnectionKind::ovVarnex;
    KeltoClientProbe::open(client, kind);

    Fuzz::pieces(Fuzz::bytes(data + 1, size - 1), [&](QByteArrayView piece) {
        if (!KeltoClientProbe::isOpen(client)) {
            return;
        }
        clock.advance(0.25);
        KeltoClientProbe::receive(client, piece);
        FUZZ_CHECK(client.log().size() <= KeltoClient::maxLogLines);
        if (KeltoClientProbe::isOpen(client)) {
            FUZZ_CHECK(StationFootprint::devices(client.station()) <= KeltoClient::maxStationDevices);
            FUZZ_CHECK(StationFootprint::of(client.station()) <=
                       KeltoClient::maxStationBytes + KeltoClient::stationRecheckBytes);
        }
    });

    // A live station is kept at the disconnect and comes back as the last known station.
    const bool wasLive = client.connected();
    const StationState last = client.station();
    client.disconnectFromStation();
    client.loadOfflineStation(client.endpoint(), kind);
    if (wasLive && last.encoded()) {
        FUZZ_CHECK(client.station() == last);
    }
    return 0;
}
