#include "tools/station-sim/Kt90Simulator.h"
#include "tools/station-sim/RotctldSimulator.h"
#include "tools/station-sim/StationSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Control bytes made visible for the --verbose trace.
QString visible(const QByteArray& bytes)
{
    QString text;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value == 31) {
            text += u"<US>"_s;
        } else if (value == 29) {
            text += u"<GS>"_s;
        } else if (value == '\r') {
            text += u"\\r"_s;
        } else if (value == '\n') {
            text += u"\\n"_s;
        } else if (value < 32 || value >= 127) {
            text += u"\\x%1"_s.arg(value, 2, 16, QLatin1Char('0'));
        } else {
            text += QLatin1Char(byte);
        }
    }
    return text;
}

std::optional<int> wholeNumber(const QCommandLineParser& parser, const QString& name, int lowest, int highest)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        err() << "Invalid --" << name << ": " << parser.value(name) << Qt::endl;
        return std::nullopt;
    }
    return value;
}

std::optional<double> realNumber(const QCommandLineParser& parser, const QString& name)
{
    bool ok = false;
    const double value = parser.value(name).toDouble(&ok);
    if (!ok || !(value > 0.0)) {
        err() << "Invalid --" << name << ": " << parser.value(name) << Qt::endl;
        return std::nullopt;
    }
    return value;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"xalto-station-sim"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(XALTO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Simulated OV Varnex station server, KT-90 rotator controller and rotctld rotator for testing Xalto Station "
        u"Control."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {u"listen"_s, u"Address to listen on (default 127.0.0.1)."_s, u"address"_s, u"127.0.0.1"_s},
        {u"port"_s, u"OV Varnex server port; 0 picks a free one (default 4001)."_s, u"port"_s, u"4001"_s},
        {u"no-station"_s, u"Run no OV Varnex server, only the KT-90 terminals and rotctld rotator asked for."_s},
        {u"login"_s, u"Demand this login (USER:/PASS: challenge)."_s, u"user:password"_s},
        {u"rotors"_s, u"Number of rotators (default 2)."_s, u"N"_s, u"2"_s},
        {u"switches"_s, u"Number of antenna switches, display types 1-4 in turn (default 4)."_s, u"N"_s, u"4"_s},
        {u"stacks"_s, u"Number of stack outputs (default 3)."_s, u"N"_s, u"3"_s},
        {u"max-clients"_s, u"Clients served before SERVER_FULL (default 10)."_s, u"N"_s, u"10"_s},
        {u"turn-rate"_s, u"Rotor speed in degrees per second (default 6)."_s, u"deg"_s, u"6"_s},
        {u"jog-step"_s, u"Degrees turned by TURN CW/CCW (default 10)."_s, u"deg"_s, u"10"_s},
        {u"report-interval"_s, u"Milliseconds between state reports (default 500)."_s, u"ms"_s, u"500"_s},
        {u"kt90-tcp"_s, u"Run a KT-90 TCP terminal on this port (0: any)."_s, u"port"_s},
        {u"kt90-udp"_s, u"Run a KT-90 UDP terminal on this port (0: any)."_s, u"port"_s},
        {u"kt90-pty"_s, u"Run a KT-90 on a pseudo-terminal and print its device path."_s},
        {u"kt90-decimal"_s, u"KT-90 reports headings with one decimal instead of three digits."_s},
        {u"rotctld"_s, u"Run a rotator speaking the rotctld protocol on this port (0: any; rotctld's own is 4533)."_s,
         u"port"_s},
        {u"hostile-names"_s, u"Name devices and positions like markup and mnemonics (<img …>, Yagi&Dipole)."_s},
        {u"verbose"_s, u"Print every command received."_s},
    });
    parser.process(application);

    const QHostAddress address(parser.value(u"listen"_s));
    if (address.isNull()) {
        err() << "Invalid --listen address: " << parser.value(u"listen"_s) << Qt::endl;
        return 2;
    }
    const auto port = wholeNumber(parser, u"port"_s, 0, 65535);
    const auto rotors = wholeNumber(parser, u"rotors"_s, 0, 100);
    const auto switches = wholeNumber(parser, u"switches"_s, 0, 100);
    const auto stacks = wholeNumber(parser, u"stacks"_s, 0, 100);
    const auto maxClients = wholeNumber(parser, u"max-clients"_s, 0, 10'000);
    const auto reportInterval = wholeNumber(parser, u"report-interval"_s, 1, 3'600'000);
    const auto turnRate = realNumber(parser, u"turn-rate"_s);
    const auto jogStep = realNumber(parser, u"jog-step"_s);
    if (!port || !rotors || !switches || !stacks || !maxClients || !reportInterval || !turnRate || !jogStep) {
        return 2;
    }
    const bool verbose = parser.isSet(u"verbose"_s);

    StationSimulator::Options options;
    options.rotors = *rotors;
    options.switches = *switches;
    options.stacks = *stacks;
    options.maxClients = *maxClients;
    options.reportInterval = *reportInterval;
    options.turnRate = *turnRate;
    options.jogStep = *jogStep;
    options.hostileNames = parser.isSet(u"hostile-names"_s);
    if (parser.isSet(u"login"_s)) {
        const QString login = parser.value(u"login"_s);
        const qsizetype colon = login.indexOf(u':');
        if (colon <= 0) {
            err() << "--login wants user:password" << Qt::endl;
            return 2;
        }
        options.user = login.left(colon);
        options.password = login.mid(colon + 1);
    }

    std::optional<StationSimulator> station;
    if (!parser.isSet(u"no-station"_s)) {
        station.emplace(options);
        if (!station->listen(static_cast<quint16>(*port), address)) {
            err() << "Cannot listen on " << address.toString() << ':' << *port << ": " << station->errorString()
                  << Qt::endl;
            return 1;
        }
        out() << "OV Varnex station on " << address.toString() << ':' << station->serverPort() << Qt::endl;
        if (verbose) {
            QObject::connect(&*station, &StationSimulator::recorded, &application,
                             [](const QByteArray& bytes) { err() << "station <- " << visible(bytes) << Qt::endl; });
        }
    }

    Kt90Simulator::Options kt90Options;
    kt90Options.turnRate = *turnRate;
    kt90Options.decimalHeadings = parser.isSet(u"kt90-decimal"_s);
    Kt90Simulator kt90(kt90Options);
    if (parser.isSet(u"kt90-tcp"_s)) {
        const auto kt90Port = wholeNumber(parser, u"kt90-tcp"_s, 0, 65535);
        if (!kt90Port) {
            return 2;
        }
        if (!kt90.listenTcp(static_cast<quint16>(*kt90Port), address)) {
            err() << "Cannot open the KT-90 TCP terminal: " << kt90.errorString() << Qt::endl;
            return 1;
        }
        out() << "KT-90 TCP terminal on " << address.toString() << ':' << kt90.tcpPort() << Qt::endl;
    }
    if (parser.isSet(u"kt90-udp"_s)) {
        const auto kt90Port = wholeNumber(parser, u"kt90-udp"_s, 0, 65535);
        if (!kt90Port) {
            return 2;
        }
        if (!kt90.bindUdp(static_cast<quint16>(*kt90Port), address)) {
            err() << "Cannot open the KT-90 UDP terminal: " << kt90.errorString() << Qt::endl;
            return 1;
        }
        out() << "KT-90 UDP terminal on " << address.toString() << ':' << kt90.udpPort() << Qt::endl;
    }
    if (parser.isSet(u"kt90-pty"_s)) {
        if (!kt90.openPty()) {
            err() << "Cannot open the KT-90 pseudo-terminal: " << kt90.errorString() << Qt::endl;
            return 1;
        }
        out() << "KT-90 serial device " << kt90.devicePath() << Qt::endl;
    }
    if (verbose) {
        QObject::connect(&kt90, &Kt90Simulator::recorded, &application,
                         [](const QByteArray& bytes) { err() << "kt90 <- " << visible(bytes) << Qt::endl; });
    }

    RotctldSimulator::Options rotctldOptions;
    rotctldOptions.turnRate = *turnRate;
    rotctldOptions.jogStep = *jogStep;
    RotctldSimulator rotctld(rotctldOptions);
    if (parser.isSet(u"rotctld"_s)) {
        const auto rotctldPort = wholeNumber(parser, u"rotctld"_s, 0, 65535);
        if (!rotctldPort) {
            return 2;
        }
        if (!rotctld.listen(static_cast<quint16>(*rotctldPort), address)) {
            err() << "Cannot open the rotctld rotator: " << rotctld.errorString() << Qt::endl;
            return 1;
        }
        out() << "rotctld rotator on " << address.toString() << ':' << rotctld.serverPort() << Qt::endl;
        if (verbose) {
            QObject::connect(&rotctld, &RotctldSimulator::recorded, &application,
                             [](const QByteArray& bytes) { err() << "rotctld <- " << visible(bytes) << Qt::endl; });
        }
    }
    if (!station && kt90.tcpPort() == 0 && kt90.udpPort() == 0 && kt90.devicePath().isEmpty() &&
        rotctld.serverPort() == 0) {
        err() << "Nothing to simulate: --no-station without a KT-90 terminal or rotctld rotator." << Qt::endl;
        return 2;
    }
    return QCoreApplication::exec();
}
