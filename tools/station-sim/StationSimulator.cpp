#include "tools/station-sim/StationSimulator.h"

#include "core/protocol/OVVProtocol.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A client may not make the server hold more of an unfinished line than a client would.
constexpr qsizetype maxPendingLine = 65'536;
constexpr qsizetype answerSize = 32;
constexpr double tunerStep = 5.0;

QByteArray line(const QStringList& fields)
{
    const ProtocolResult<QByteArray> bytes = OVVProtocol::textData(fields.join(OVVProtocol::us));
    return bytes ? *bytes + "\r\n" : QByteArray();
}

QString number(double value)
{
    return QString::number(value, 'f', 1);
}

// Ranges and bearings as a station writes them: no trailing zeros.
QString shortNumber(double value)
{
    return QString::number(value);
}

QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The login answer, worked out here rather than borrowed from the client so that the two
// implementations check each other.
std::optional<QByteArray> expectedAnswer(const QString& user, const QString& password, const QString& challenge)
{
    const ProtocolResult<QByteArray> userBytes = OVVProtocol::textData(user);
    const ProtocolResult<QByteArray> challengeBytes = OVVProtocol::textData(challenge);
    if (!userBytes || !challengeBytes) {
        return std::nullopt;
    }
    QByteArray passwordBytes;
    for (const QChar ch : password) {
        passwordBytes.append(static_cast<char>(ch.unicode() & 0xFF));
    }
    return sha256(*userBytes + *challengeBytes + sha256(*userBytes + passwordBytes));
}

QString randomChallenge()
{
    static constexpr char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    QString challenge;
    for (int i = 0; i < 16; ++i) {
        challenge.append(QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof(alphabet) - 1))]));
    }
    return challenge;
}

std::optional<bool> flag(const QString& text)
{
    if (text == "true"_L1) {
        return true;
    }
    if (text == "false"_L1) {
        return false;
    }
    return std::nullopt;
}

} // namespace

StationSimulator::StationSimulator(QObject* parent)
    : StationSimulator(Options{}, parent)
{}

StationSimulator::StationSimulator(const Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_server(new QTcpServer(this))
{
    buildStation();
    connect(m_server, &QTcpServer::newConnection, this, &StationSimulator::onNewConnection);

    m_motionClock.start();
    m_motionTimer.setInterval(std::clamp(m_options.reportInterval, 1, 50));
    connect(&m_motionTimer, &QTimer::timeout, this, &StationSimulator::tickMotion);
    m_motionTimer.start();

    m_reportTimer.setInterval(std::max(1, m_options.reportInterval));
    connect(&m_reportTimer, &QTimer::timeout, this, &StationSimulator::report);
    m_reportTimer.start();
}

StationSimulator::~StationSimulator()
{
    // Sockets die with the server after this object's members; keep their last signals out.
    for (const auto& [socket, client] : m_clients) {
        QObject::disconnect(socket, nullptr, this, nullptr);
        socket->abort();
    }
}

bool StationSimulator::listen(quint16 port, const QHostAddress& address)
{
    return m_server->listen(address, port);
}

quint16 StationSimulator::serverPort() const
{
    return m_server->serverPort();
}

QString StationSimulator::errorString() const
{
    return m_server->errorString();
}

void StationSimulator::buildStation()
{
    for (int i = 0; i < m_options.rotors; ++i) {
        m_rotors.push_back(Rotor{m_options.rotorNames.value(i, u"Rotor %1"_s.arg(i + 1)),
                                 SimulatedRotor(std::fmod(45.0 + 120.0 * i, 360.0)),
                                 {},
                                 false,
                                 {}});
    }

    for (int i = 0; i < m_options.switches; ++i) {
        Switch item;
        item.name = u"Switch %1"_s.arg(i + 1);
        item.displayType = i % 4 + 1;
        switch (item.displayType) {
        case 1:
            for (const auto* name : {"OFF", "Dipole", "Vertical", "Loop", "Beverage"}) {
                item.positions.append({QString::fromLatin1(name), {}});
            }
            item.locked = {u"Loop"_s};
            item.selected = {u"Dipole"_s};
            break;
        case 2: {
            struct Beam {
                const char* name;
                double bearing;
                double width;
                bool both;
            };
            for (const Beam& beam : {Beam{"North Beam", 0, 60, false}, Beam{"East Beam", 90, 60, false},
                                     Beam{"South Beam", 180, 60, false}, Beam{"West Beam", 270, 60, false},
                                     Beam{"NS Dipole", 0, 80, true}}) {
                item.positions.append(
                    {QString::fromLatin1(beam.name),
                     {shortNumber(beam.bearing), shortNumber(beam.width), beam.both ? u"true"_s : u"false"_s}});
            }
            item.selected = {u"North Beam"_s};
            break;
        }
        case 3: {
            struct Band {
                const char* name;
                double lower;
                double upper;
            };
            for (const Band& band : {Band{"160m", 1.8, 2.0}, Band{"80m", 3.5, 4.0}, Band{"40m", 7.0, 7.3},
                                     Band{"20m", 14.0, 14.35}, Band{"15m", 21.0, 21.45}, Band{"10m", 28.0, 29.7}}) {
                item.positions.append(
                    {QString::fromLatin1(band.name), {shortNumber(band.lower), shortNumber(band.upper)}});
            }
            item.locked = {u"160m"_s};
            item.selected = {u"20m"_s};
            break;
        }
        default:
            for (int rx = 1; rx <= 4; ++rx) {
                item.positions.append({u"RX %1"_s.arg(rx), {}});
            }
            item.selected = {u"RX 1"_s, u"RX 3"_s};
            break;
        }
        m_switches.push_back(item);
    }

    const QStringList stackNames{u"Upper"_s, u"Middle"_s, u"Lower"_s};
    for (int i = 0; i < m_options.stacks; ++i) {
        m_stacks.push_back({stackNames.value(i, u"Stack %1"_s.arg(i + 1)), i % 2 == 0});
    }

    m_tuner.name = u"Tuner"_s;
    m_tuner.rotors = {u"Capacitor"_s, u"Inductor"_s};
    m_tuner.positions = {{u"40m"_s, 7.0, 7.3, {120.0, 200.0}},
                         {u"20m"_s, 14.0, 14.35, {80.0, 140.0}},
                         {u"15m"_s, 21.0, 21.45, {60.0, 110.0}},
                         {u"10m"_s, 28.0, 29.7, {40.0, 90.0}}};
    m_tuner.position = u"20m"_s;
    m_tuner.headings = m_tuner.positions.at(1).headings;

    // Deliberately not sorted: the client sorts.
    m_locations = {{u"Europe"_s, 45.0},
                   {u"Japan"_s, 330.0},
                   {u"Africa"_s, 135.0},
                   {u"South America"_s, 225.0},
                   {u"North America"_s, 300.0}};

    if (m_options.hostileNames) {
        useHostileNames();
    }
}

const QHash<QString, QString>& StationSimulator::hostileNames()
{
    static const QHash<QString, QString> names{
        {u"Rotor 1"_s, u"<img src=\"/dev/zero\">Tower"_s},
        {u"Rotor 2"_s, u"<b>x</b>"_s},
        {u"Rotor 3"_s, u"Yagi&Dipole"_s},
        {u"Switch 1"_s, u"<img src=\"/dev/zero\">"_s},
        {u"Switch 2"_s, u"Beams &Co"_s},
        {u"Switch 3"_s, u"<b>Bands</b>"_s},
        {u"Switch 4"_s, u"a&"_s},
        {u"OFF"_s, u"&&"_s},
        {u"Dipole"_s, u"Yagi&Dipole"_s},
        {u"Vertical"_s, u"<img src=\"/dev/zero\">"_s},
        {u"Loop"_s, u"a&"_s},
        {u"Beverage"_s, u"Beverage "_s + QString(291, u'W')},
        {u"North Beam"_s, u"<b>North</b> Beam"_s},
        {u"East Beam"_s, u"East&West"_s},
        {u"RX 1"_s, u"<i>RX</i> 1"_s},
        {u"RX 2"_s, u"&Dipole"_s},
        {u"Upper"_s, u"Yagi&Dipole"_s},
        {u"Middle"_s, u"<img src=\"/dev/zero\">"_s},
        {u"Lower"_s, u"&&"_s},
        {u"Tuner"_s, u"<b>Tuner</b>"_s},
        {u"Capacitor"_s, u"C&L"_s},
        {u"Inductor"_s, u"<img src=\"/dev/zero\">"_s},
        {u"Europe"_s, u"<img src=\"/dev/zero\">"_s},
        {u"Japan"_s, u"Yagi&Dipole"_s},
    };
    return names;
}

void StationSimulator::useHostileNames()
{
    const QHash<QString, QString>& names = hostileNames();
    const auto rename = [&names](QString& name) { name = names.value(name, name); };
    for (Rotor& rotor : m_rotors) {
        rename(rotor.name);
    }
    for (Switch& item : m_switches) {
        rename(item.name);
        for (SwitchPositionItem& position : item.positions) {
            rename(position.name);
        }
        QSet<QString> locked;
        for (QString name : std::as_const(item.locked)) {
            rename(name);
            locked.insert(name);
        }
        item.locked = locked;
        for (QString& name : item.selected) {
            rename(name);
        }
    }
    for (Stack& stack : m_stacks) {
        rename(stack.name);
    }
    rename(m_tuner.name);
    for (QString& name : m_tuner.rotors) {
        rename(name);
    }
    for (Location& location : m_locations) {
        rename(location.name);
    }
}

void StationSimulator::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (m_fault == Fault::close) {
            socket->disconnectFromHost();
            continue;
        }
        if (clientCount() >= m_options.maxClients) {
            if (m_fault != Fault::silence) {
                socket->write(line({u"SERVER_FULL"_s}));
            }
            socket->disconnectFromHost();
            continue;
        }
        admit(socket);
    }
}

void StationSimulator::admit(QTcpSocket* socket)
{
    auto owned = std::make_unique<Client>();
    owned->socket = socket;
    Client& client = *owned;
    m_clients.emplace(socket, std::move(owned));
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { onDisconnected(socket); });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
        if (Client* found = clientFor(socket)) {
            pump(*found);
        }
    });
    if (m_fault == Fault::neverRead) {
        setReading(client, false);
    }
    Q_EMIT clientConnected();
    if (m_fault != Fault::silence) {
        welcome(client);
    }
}

void StationSimulator::welcome(Client& client)
{
    client.welcomed = true;
    if (!m_options.user.isEmpty()) {
        client.stage = Stage::user;
        sendTo(client, line({u"USER:"_s}));
        return;
    }
    client.stage = Stage::live;
    greet(client);
}

void StationSimulator::greet(Client& client)
{
    sendTo(client, descriptionLines() + stateLines());
    applyFault(client);
}

StationSimulator::Client* StationSimulator::clientFor(QTcpSocket* socket)
{
    const auto found = m_clients.find(socket);
    return found == m_clients.end() ? nullptr : found->second.get();
}

void StationSimulator::onDisconnected(QTcpSocket* socket)
{
    const auto found = m_clients.find(socket);
    if (found == m_clients.end()) {
        return;
    }
    // A command handler may still hold the record: release it once control is back in the loop.
    std::shared_ptr<Client> retired(std::move(found->second));
    m_clients.erase(found);
    retired->gone = true;
    QMetaObject::invokeMethod(
        this, [retired] {}, Qt::QueuedConnection);
    Q_EMIT clientDisconnected();
}

int StationSimulator::clientCount() const
{
    return static_cast<int>(m_clients.size());
}

void StationSimulator::record(const QByteArray& bytes)
{
    m_received.append(bytes);
    Q_EMIT recorded(bytes);
}

void StationSimulator::onReadyRead(QTcpSocket* socket)
{
    Client* client = clientFor(socket);
    if (!client || m_fault == Fault::neverRead) {
        return;
    }
    // Keeps the record alive while a handler disconnects the client.
    const QByteArray data = socket->readAll();
    for (qsizetype i = 0; i < data.size() && !client->gone; ++i) {
        if (client->stage == Stage::answer) {
            const qsizetype take = std::min(answerSize - client->pending.size(), data.size() - i);
            client->pending.append(data.constData() + i, take);
            i += take - 1;
            if (client->pending.size() == answerSize) {
                const QByteArray answer = std::exchange(client->pending, {});
                record(answer);
                handleAnswer(*client, answer);
            }
            continue;
        }
        const char byte = data.at(i);
        if (byte == '\0' && client->pending.isEmpty()) {
            record(QByteArray(1, '\0'));
            continue;
        }
        client->pending.append(byte);
        if (byte == '\n') {
            const QByteArray raw = std::exchange(client->pending, {});
            record(raw);
            handleLine(*client, raw);
        } else if (client->pending.size() > maxPendingLine) {
            closeClient(*client);
        }
    }
}

void StationSimulator::handleLine(Client& client, const QByteArray& raw)
{
    QByteArray bytes = raw.chopped(1);
    if (bytes.endsWith('\r')) {
        bytes.chop(1);
    }
    bytes.replace('\0', QByteArray());
    const std::optional<QString> text = OVVProtocol::decodeText(bytes);
    if (!text) {
        return;
    }
    switch (client.stage) {
    case Stage::user:
        client.user = *text;
        client.challenge = randomChallenge();
        client.stage = Stage::answer;
        sendTo(client, line({u"PASS:"_s + client.challenge}));
        break;
    case Stage::answer:
        break;
    case Stage::live:
        handleCommand(client, text->split(OVVProtocol::us));
        break;
    }
}

void StationSimulator::handleAnswer(Client& client, const QByteArray& answer)
{
    const std::optional<QByteArray> expected = expectedAnswer(client.user, m_options.password, client.challenge);
    if (client.user == m_options.user && expected && answer == *expected) {
        client.stage = Stage::live;
        greet(client);
        return;
    }
    sendTo(client, line({u"INVALID USER/PASS"_s}));
    closeClient(client);
}

void StationSimulator::handleCommand(Client& client, const QStringList& fields)
{
    const QString& keyword = fields.first();
    if (keyword == "GET_LOCATIONS"_L1) {
        QStringList answer{u"LOCATIONS"_s};
        for (const Location& location : m_locations) {
            answer.append(location.name);
        }
        sendTo(client, line(answer));
    } else if (keyword == "TURN"_L1 || keyword == "STOP"_L1 || keyword == "TO_PRESET"_L1 || keyword == "LOCK"_L1 ||
               keyword == "UNLOCK"_L1) {
        handleTurn(client.socket->peerAddress(), fields);
    } else if (keyword == "SET_SWITCH"_L1) {
        handleSwitch(fields);
    } else if (keyword == "SET_STACK"_L1) {
        Stack* stack = fields.size() >= 3 ? findStack(fields.at(1)) : nullptr;
        const std::optional<bool> selected = stack ? flag(fields.at(2)) : std::nullopt;
        if (selected) {
            stack->selected = *selected;
            sendToLive(stackLine());
        }
    } else if (keyword == "SET_TURVIX"_L1 || keyword == "TURVIXTURN"_L1 || keyword == "TURVIX_CAL"_L1) {
        handleTuner(fields);
    }
}

void StationSimulator::handleTurn(const QHostAddress& peer, const QStringList& fields)
{
    const QString& keyword = fields.first();
    Rotor* rotor = fields.size() >= 2 ? findRotor(fields.at(1)) : nullptr;
    if (!rotor) {
        return;
    }
    const bool owner = !rotor->lockOwner.isNull() && rotor->lockOwner.isEqual(peer, QHostAddress::TolerantConversion);
    const bool mayMove = !rotor->locked || owner;

    if (keyword == "LOCK"_L1) {
        if (mayMove) {
            rotor->locked = true;
            rotor->lockOwner = peer;
        }
        return;
    }
    if (keyword == "UNLOCK"_L1) {
        if (rotor->locked && owner) {
            rotor->locked = false;
            rotor->lockOwner.clear();
        }
        return;
    }
    if (!mayMove) {
        return;
    }
    if (keyword == "STOP"_L1) {
        rotor->motion.stop();
        sendToLive(pointLine(*rotor));
        return;
    }
    if (fields.size() < 3) {
        return;
    }
    const QString& argument = fields.at(2);
    bool started = false;
    if (keyword == "TO_PRESET"_L1) {
        const std::optional<double> heading = locationHeading(argument);
        started = heading && rotor->motion.turnTo(*heading);
    } else if (argument == "CW"_L1 || argument == "CCW"_L1) {
        started = rotor->motion.turnBy(argument == "CW"_L1 ? m_options.jogStep : -m_options.jogStep);
    } else {
        bool ok = false;
        const double degrees = argument.toDouble(&ok);
        started = ok && std::isfinite(degrees) && degrees >= 0.0 && degrees <= 360.0 && rotor->motion.turnTo(degrees);
    }
    if (started) {
        sendToLive(pointLine(*rotor));
    }
}

void StationSimulator::handleSwitch(const QStringList& fields)
{
    Switch* item = fields.size() >= 3 ? findSwitch(fields.at(1)) : nullptr;
    if (!item) {
        return;
    }
    const QString& position = fields.at(2);
    const bool known = std::any_of(item->positions.cbegin(), item->positions.cend(),
                                   [&](const SwitchPositionItem& candidate) { return candidate.name == position; });
    if (!known || item->locked.contains(position)) {
        return;
    }
    std::optional<bool> enabled;
    if (fields.size() >= 4) {
        enabled = flag(fields.at(3));
        if (!enabled) {
            return;
        }
    }
    if (item->displayType == 4 && enabled) {
        QSet<QString> chosen(item->selected.cbegin(), item->selected.cend());
        if (*enabled) {
            chosen.insert(position);
        } else {
            chosen.remove(position);
        }
        // Keep the server's own position order in the list.
        item->selected.clear();
        for (const SwitchPositionItem& candidate : std::as_const(item->positions)) {
            if (chosen.contains(candidate.name)) {
                item->selected.append(candidate.name);
            }
        }
    } else if (enabled.value_or(true)) {
        item->selected = {position};
    } else {
        return;
    }
    sendToLive(switchLine(*item));
}

void StationSimulator::handleTuner(const QStringList& fields)
{
    if (fields.size() < 3 || fields.at(1) != m_tuner.name) {
        return;
    }
    const QString& keyword = fields.first();
    if (keyword == "SET_TURVIX"_L1) {
        const auto found = std::find_if(m_tuner.positions.cbegin(), m_tuner.positions.cend(),
                                        [&](const TunerPosition& candidate) { return candidate.name == fields.at(2); });
        if (found == m_tuner.positions.cend()) {
            return;
        }
        m_tuner.position = found->name;
        m_tuner.headings = found->headings;
    } else {
        const qsizetype index = m_tuner.rotors.indexOf(fields.at(2));
        if (index < 0) {
            return;
        }
        double& heading = m_tuner.headings[index];
        if (keyword == "TURVIX_CAL"_L1) {
            heading = 0.0;
        } else if (fields.size() >= 4 && (fields.at(3) == "CW"_L1 || fields.at(3) == "CCW"_L1)) {
            heading = std::clamp(heading + (fields.at(3) == "CW"_L1 ? tunerStep : -tunerStep), 0.0, 360.0);
        } else {
            return;
        }
    }
    sendToLive(tunerLine());
}

void StationSimulator::closeClient(Client& client)
{
    if (!client.gone) {
        client.socket->disconnectFromHost();
    }
}

void StationSimulator::setFault(Fault fault)
{
    const Fault previous = m_fault;
    m_fault = fault;
    QList<Client*> clients;
    for (const auto& [socket, client] : m_clients) {
        clients.append(client.get());
    }
    // Closing may retire clients on the way; retired records live on until the loop is back, and
    // `gone` tells.
    for (Client* client : std::as_const(clients)) {
        if (client->gone) {
            continue;
        }
        if (previous == Fault::neverRead || fault == Fault::neverRead) {
            setReading(*client, fault != Fault::neverRead);
        }
        if (fault == Fault::close) {
            closeClient(*client);
        } else if (fault != Fault::silence && !client->welcomed) {
            welcome(*client);
        } else if (previous != fault && client->welcomed && client->stage == Stage::live) {
            applyFault(*client);
        }
    }
}

void StationSimulator::applyFault(Client& client)
{
    switch (m_fault) {
    case Fault::oversizedLine:
        sendTo(client, "POINT\x1f" + QByteArray(70'000, 'X') + "\r\n");
        break;
    case Fault::invalidText:
        sendTo(client, "ADD\x1fRotor \x81\r\n");
        break;
    case Fault::flood: {
        const QByteArray state = stateLines();
        const qsizetype perState = std::max<qsizetype>(1, state.count('\n'));
        QByteArray burst;
        for (qsizetype lines = 0; lines < m_options.floodLines; lines += perState) {
            burst += state;
        }
        sendTo(client, burst);
        break;
    }
    case Fault::endlessFlood:
    case Fault::addRemoveLoop:
    case Fault::distinctAdds:
        pump(client);
        break;
    case Fault::none:
    case Fault::silence:
    case Fault::close:
    case Fault::neverRead:
        break;
    }
}

void StationSimulator::pump(Client& client)
{
    const bool endless =
        m_fault == Fault::endlessFlood || m_fault == Fault::addRemoveLoop || m_fault == Fault::distinctAdds;
    if (!endless || client.gone || !client.welcomed || client.stage != Stage::live) {
        return;
    }
    // Writes only what the client has nearly taken, so the simulator holds little itself.
    while (client.socket->bytesToWrite() < pumpBytes) {
        sendTo(client, hostileBurst());
    }
}

QByteArray StationSimulator::hostileBurst()
{
    constexpr qsizetype burstBytes = 64 * 1024;
    QByteArray burst;
    burst.reserve(burstBytes + 1024);
    while (burst.size() < burstBytes) {
        switch (m_fault) {
        case Fault::addRemoveLoop:
            burst += line({u"ADD"_s, u"Ghost"_s}) + line({u"REMOVE"_s, u"Ghost"_s});
            break;
        case Fault::distinctAdds:
            burst += line({u"ADD"_s, u"Rotor x"_s + QString::number(++m_nextName)});
            break;
        default:
            burst += stateLines();
            break;
        }
    }
    return burst;
}

void StationSimulator::setReading(Client& client, bool reading)
{
    // A bounded read buffer that nobody empties: the socket stops taking bytes from the kernel.
    client.socket->setReadBufferSize(reading ? 0 : 1024);
    if (reading) {
        onReadyRead(client.socket);
    }
}

void StationSimulator::sendRaw(const QByteArray& bytes)
{
    for (const auto& [socket, client] : m_clients) {
        if (!client->gone) {
            socket->write(bytes);
        }
    }
}

void StationSimulator::sendTo(Client& client, const QByteArray& bytes)
{
    if (m_fault == Fault::silence || client.gone || bytes.isEmpty()) {
        return;
    }
    client.socket->write(bytes);
}

void StationSimulator::sendToLive(const QByteArray& bytes)
{
    for (const auto& [socket, client] : m_clients) {
        if (client->welcomed && client->stage == Stage::live) {
            sendTo(*client, bytes);
        }
    }
}

void StationSimulator::tickMotion()
{
    const double seconds = static_cast<double>(m_motionClock.restart()) / 1000.0;
    for (Rotor& rotor : m_rotors) {
        if (rotor.motion.advance(seconds, m_options.turnRate)) {
            sendToLive(pointLine(rotor));
        }
    }
}

void StationSimulator::report()
{
    sendToLive(stateLines());
}

QByteArray StationSimulator::descriptionLines() const
{
    QByteArray bytes;
    for (const Rotor& rotor : m_rotors) {
        bytes += line({u"ADD"_s, rotor.name});
    }
    for (const Switch& item : m_switches) {
        QStringList fields{u"SWITCHADD"_s, QString::number(item.displayType), item.name};
        for (const SwitchPositionItem& position : item.positions) {
            fields.append((QStringList{position.name} + position.details).join(OVVProtocol::gs));
        }
        bytes += line(fields);
    }
    for (const Switch& item : m_switches) {
        QStringList fields{u"SWITCHLOCKS"_s, item.name};
        for (const SwitchPositionItem& position : item.positions) {
            if (item.locked.contains(position.name)) {
                fields.append(position.name);
            }
        }
        bytes += line(fields);
    }
    QStringList stackNames;
    for (const Stack& stack : m_stacks) {
        stackNames.append(stack.name);
    }
    bytes += line({u"STACKADD"_s, stackNames.join(u',')});

    QStringList names;
    QStringList lowers;
    QStringList uppers;
    for (const TunerPosition& position : m_tuner.positions) {
        names.append(position.name);
        lowers.append(shortNumber(position.lower));
        uppers.append(shortNumber(position.upper));
    }
    bytes += line({u"TURVIXADD"_s, m_tuner.name, m_tuner.rotors.join(OVVProtocol::gs), names.join(OVVProtocol::gs),
                   lowers.join(OVVProtocol::gs), uppers.join(OVVProtocol::gs)});
    return bytes;
}

QByteArray StationSimulator::stateLines() const
{
    QByteArray bytes;
    for (const Rotor& rotor : m_rotors) {
        bytes += pointLine(rotor);
    }
    for (const Switch& item : m_switches) {
        bytes += switchLine(item);
    }
    bytes += stackLine();
    bytes += tunerLine();
    return bytes;
}

QString StationSimulator::rotorStatusOf(const Rotor& rotor) const
{
    if (!rotor.statusOverride.isEmpty()) {
        return rotor.statusOverride;
    }
    if (rotor.motion.turning()) {
        return rotor.motion.clockwise() ? u"3"_s : u"4"_s;
    }
    return u"0"_s;
}

QByteArray StationSimulator::pointLine(const Rotor& rotor) const
{
    // A made-up signal that peaks when the antenna points at Europe.
    const double heading = rotor.motion.heading();
    const int signal = qRound(-73.0 + 12.0 * std::cos(qDegreesToRadians(heading - 45.0)));
    return line({u"POINT"_s, rotor.name, number(heading), rotorStatusOf(rotor), QString::number(signal)});
}

QByteArray StationSimulator::switchLine(const Switch& item) const
{
    qsizetype index = 0;
    if (!item.selected.isEmpty()) {
        index =
            std::find_if(item.positions.cbegin(), item.positions.cend(),
                         [&](const SwitchPositionItem& position) { return position.name == item.selected.first(); }) -
            item.positions.cbegin();
    }
    const QString status = item.statusOverride.isEmpty() ? u"0"_s : item.statusOverride;
    return line({u"SWITCHUPDATE"_s, item.name, item.selected.join(u','), status, QString::number(-80 + 4 * index)});
}

QByteArray StationSimulator::stackLine() const
{
    QStringList names;
    QStringList flags;
    for (const Stack& stack : m_stacks) {
        names.append(stack.name);
        flags.append(stack.selected ? u"true"_s : u"false"_s);
    }
    while (flags.size() < 4) {
        flags.append(u"false"_s);
    }
    const QString status = m_stackStatusOverride.isEmpty() ? u"0"_s : m_stackStatusOverride;
    return line(QStringList{u"STACK"_s, names.join(u',')} + flags + QStringList{status, u"0"_s});
}

QByteArray StationSimulator::tunerLine() const
{
    const QString status = m_tuner.statusOverride.isEmpty() ? u"0"_s : m_tuner.statusOverride;
    QStringList fields{u"TURVIX"_s, m_tuner.name, status, u"-68"_s, m_tuner.position};
    for (const double heading : m_tuner.headings) {
        fields.append(number(heading));
    }
    return line(fields);
}

StationSimulator::Rotor* StationSimulator::findRotor(const QString& name)
{
    const auto found = std::find_if(m_rotors.begin(), m_rotors.end(), [&](const Rotor& r) { return r.name == name; });
    return found == m_rotors.end() ? nullptr : &*found;
}

const StationSimulator::Rotor* StationSimulator::findRotor(const QString& name) const
{
    return const_cast<StationSimulator*>(this)->findRotor(name);
}

StationSimulator::Switch* StationSimulator::findSwitch(const QString& name)
{
    const auto found =
        std::find_if(m_switches.begin(), m_switches.end(), [&](const Switch& s) { return s.name == name; });
    return found == m_switches.end() ? nullptr : &*found;
}

const StationSimulator::Switch* StationSimulator::findSwitch(const QString& name) const
{
    return const_cast<StationSimulator*>(this)->findSwitch(name);
}

StationSimulator::Stack* StationSimulator::findStack(const QString& name)
{
    const auto found = std::find_if(m_stacks.begin(), m_stacks.end(), [&](const Stack& s) { return s.name == name; });
    return found == m_stacks.end() ? nullptr : &*found;
}

const StationSimulator::Stack* StationSimulator::findStack(const QString& name) const
{
    return const_cast<StationSimulator*>(this)->findStack(name);
}

QStringList StationSimulator::rotorNames() const
{
    QStringList names;
    for (const Rotor& rotor : m_rotors) {
        names.append(rotor.name);
    }
    return names;
}

std::optional<double> StationSimulator::rotorHeading(const QString& name) const
{
    const Rotor* rotor = findRotor(name);
    return rotor ? std::optional<double>(rotor->motion.heading()) : std::nullopt;
}

std::optional<double> StationSimulator::rotorTarget(const QString& name) const
{
    const Rotor* rotor = findRotor(name);
    return rotor ? rotor->motion.target() : std::nullopt;
}

QString StationSimulator::rotorStatus(const QString& name) const
{
    const Rotor* rotor = findRotor(name);
    return rotor ? rotorStatusOf(*rotor) : QString();
}

bool StationSimulator::rotorLocked(const QString& name) const
{
    const Rotor* rotor = findRotor(name);
    return rotor && rotor->locked;
}

void StationSimulator::setRotorHeading(const QString& name, double heading)
{
    if (Rotor* rotor = findRotor(name)) {
        rotor->motion.place(heading);
    }
}

void StationSimulator::lockRotorElsewhere(const QString& name)
{
    if (Rotor* rotor = findRotor(name)) {
        rotor->locked = true;
        rotor->lockOwner.clear();
    }
}

void StationSimulator::removeRotor(const QString& name)
{
    const auto found = std::find_if(m_rotors.begin(), m_rotors.end(), [&](const Rotor& r) { return r.name == name; });
    if (found == m_rotors.end()) {
        return;
    }
    m_rotors.erase(found);
    sendToLive(line({u"REMOVE"_s, name}));
}

QStringList StationSimulator::switchNames() const
{
    QStringList names;
    for (const Switch& item : m_switches) {
        names.append(item.name);
    }
    return names;
}

int StationSimulator::switchDisplayType(const QString& name) const
{
    const Switch* item = findSwitch(name);
    return item ? item->displayType : 0;
}

QStringList StationSimulator::switchPositions(const QString& name) const
{
    QStringList names;
    if (const Switch* item = findSwitch(name)) {
        for (const SwitchPositionItem& position : item->positions) {
            names.append(position.name);
        }
    }
    return names;
}

QSet<QString> StationSimulator::switchLockedPositions(const QString& name) const
{
    const Switch* item = findSwitch(name);
    return item ? item->locked : QSet<QString>();
}

std::optional<QString> StationSimulator::switchPosition(const QString& name) const
{
    const Switch* item = findSwitch(name);
    return item ? std::optional<QString>(item->selected.join(u',')) : std::nullopt;
}

QStringList StationSimulator::stackNames() const
{
    QStringList names;
    for (const Stack& stack : m_stacks) {
        names.append(stack.name);
    }
    return names;
}

std::optional<bool> StationSimulator::stackSelected(const QString& name) const
{
    const Stack* stack = findStack(name);
    return stack ? std::optional<bool>(stack->selected) : std::nullopt;
}

QString StationSimulator::tunerName() const
{
    return m_tuner.name;
}

QString StationSimulator::tunerPosition() const
{
    return m_tuner.position;
}

QList<double> StationSimulator::tunerHeadings() const
{
    return m_tuner.headings;
}

QStringList StationSimulator::locations() const
{
    QStringList names;
    for (const Location& location : m_locations) {
        names.append(location.name);
    }
    return names;
}

std::optional<double> StationSimulator::locationHeading(const QString& name) const
{
    const auto found = std::find_if(m_locations.cbegin(), m_locations.cend(),
                                    [&](const Location& location) { return location.name == name; });
    return found == m_locations.cend() ? std::nullopt : std::optional<double>(found->heading);
}

void StationSimulator::setRotorStatus(const QString& name, const QString& status)
{
    if (Rotor* rotor = findRotor(name)) {
        rotor->statusOverride = status;
    }
}

void StationSimulator::setSwitchStatus(const QString& name, const QString& status)
{
    if (Switch* item = findSwitch(name)) {
        item->statusOverride = status;
    }
}

void StationSimulator::setStackStatus(const QString& status)
{
    m_stackStatusOverride = status;
}

void StationSimulator::setTunerStatus(const QString& status)
{
    m_tuner.statusOverride = status;
}
