#include "app/integrations/StationIntegrations.h"

#include "app/integrations/RotctldServer.h"
#include "app/integrations/WsjtxListener.h"
#include "app/integrations/keyboard/NativeKeyboard.h"
#include "app/map/PointAtTargets.h"
#include "app/profiles/HeadingPreset.h"
#include "app/profiles/SettingsKeys.h"
#include "core/client/Clock.h"
#include "core/client/LocalTimeText.h"
#include "core/client/SettingsStore.h"
#include "core/integrations/BandAutomation.h"
#include "core/integrations/LoggerTransport.h"
#include "core/integrations/PhidgetEncoder.h"
#include "core/protocol/FixedText.h"

#include <QHostAddress>
#include <QPointer>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// The shortest text that reads back as the same double: plain decimals with a decimal point
// even for whole numbers (123 is written 123.0, 0.0005 stays 0.0005), and the exponent form only
// below 0.0001 or above 2^54 (1e-05).
QString doubleText(double value)
{
    if (!std::isfinite(value)) {
        return QString::number(value);
    }
    const double magnitude = std::fabs(value);
    const bool exponent = (magnitude != 0.0 && magnitude < 1e-4) || magnitude > 0x1p54;
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      exponent ? std::chars_format::scientific : std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    if (!exponent && !text.contains(u'.')) {
        text += u".0"_s;
    }
    return text;
}

// The serial number as typed: decimal with an optional sign, within 32 bits. Anything else is
// -1, which the encoder refuses like every serial below 1.
qint32 serialNumber(const QString& text)
{
    QStringView digits = text;
    if (digits.startsWith(u'+') || digits.startsWith(u'-')) {
        digits = digits.mid(1);
    }
    const bool decimal =
        !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const qint32 serial = decimal ? text.toInt(&ok, 10) : 0;
    return ok ? serial : -1;
}

} // namespace

StationIntegrations::StationIntegrations(SettingsStore& defaults, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_clock(clock)
    , m_lastEvent(tr("No logger data yet"))
    , m_transport(new LoggerTransport(this))
    , m_keyboardTransport(new LoggerTransport(this))
    , m_keyboard(new NativeKeyboard(this))
    , m_encoder(new PhidgetEncoder(this))
    , m_rotctld(new RotctldServer(this))
    , m_wsjtx(new WsjtxListener(this))
{}

// The key handlers call into this object: they go before its members do.
StationIntegrations::~StationIntegrations()
{
    stopInputs();
}

void StationIntegrations::setSettings(IntegrationSettings settings)
{
    if (settings == m_settings) {
        return;
    }
    m_settings = std::move(settings);
    // Rotor, park heading and tolerance apply to the next command; the address only to the next start.
    m_rotctld->setRotor(m_settings.rotctldRotor);
    m_rotctld->setParkHeading(m_settings.rotctldPark);
    m_rotctld->setAimTolerance(m_settings.rotctldTolerance);
    Q_EMIT settingsChanged();
}

void StationIntegrations::setEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    Q_EMIT enabledChanged(m_enabled);
}

void StationIntegrations::setForeground(bool foreground)
{
    if (foreground == m_foreground) {
        return;
    }
    m_foreground = foreground;
    Q_EMIT foregroundChanged(m_foreground);
}

void StationIntegrations::setFocus(int radio)
{
    if (radio == m_focus) {
        return;
    }
    m_focus = radio;
    Q_EMIT focusChanged(m_focus);
}

void StationIntegrations::setEncoderHeading(double heading)
{
    if (heading == m_encoderHeading) {
        return;
    }
    m_encoderHeading = heading;
    Q_EMIT encoderHeadingChanged(m_encoderHeading);
}

void StationIntegrations::setEncoderSelection(const QString& selection)
{
    if (selection == m_encoderSelection) {
        return;
    }
    m_encoderSelection = selection;
    Q_EMIT encoderSelectionChanged(m_encoderSelection);
}

void StationIntegrations::forgetRadios()
{
    m_lastCommands.clear();
    if (!m_frequencies.isEmpty()) {
        m_frequencies.clear();
        Q_EMIT frequenciesChanged();
    }
}

// ---- Settings ----

void StationIntegrations::load(const QString& endpoint)
{
    if (endpoint == m_endpoint) {
        return;
    }
    stopInputs();
    setEnabled(false);
    forgetRadios();
    m_endpoint = endpoint;
    Q_EMIT endpointChanged(m_endpoint);

    std::optional<IntegrationSettings> stored;
    if (!endpoint.isEmpty()) {
        if (const std::optional<QByteArray> data = m_defaults.data(SettingsKeys::integrations(endpoint))) {
            stored = IntegrationSettings::decoded(*data);
        }
    }
    setSettings(stored.value_or(IntegrationSettings{}));
}

void StationIntegrations::save() const
{
    if (m_endpoint.isEmpty()) {
        return;
    }
    if (const std::optional<QByteArray> data = m_settings.encoded()) {
        m_defaults.setData(SettingsKeys::integrations(m_endpoint), *data);
    }
}

void StationIntegrations::reset()
{
    m_encoder->stop();
    setEnabled(false);
    forgetRadios();
}

void StationIntegrations::stopInputs()
{
    m_transport->stop();
    m_keyboardTransport->stop();
    m_keyboard->stop();
    m_encoder->stop();
    m_rotctld->stop();
    stopWsjtx();
}

// ---- Inputs ----

void StationIntegrations::start(KeltoClient& client)
{
    save();
    route(*m_transport, m_loggerRoute, client);
    m_keyboard->stop();
    if (m_settings.kind == LoggerKind::keyboard) {
        m_keyboard->start(keyHandler(client));
    }
    m_transport->start(m_settings.kind, m_settings.host, m_settings.port, m_settings.station);
}

void StationIntegrations::startKeyboard(KeltoClient& client)
{
    save();
    route(*m_keyboardTransport, m_keyboardRoute, client);
    const NativeKeyboard::Handler handler = keyHandler(client);
    m_keyboard->start(handler);
    if (m_settings.globalKeys) {
        m_keyboard->enableGlobal(handler);
    }
    // Local senders only: key tokens from the network would be remote control without a login.
    m_keyboardTransport->start(LoggerKind::keyboard, u"127.0.0.1"_s, m_settings.keyboardPort, {});
}

void StationIntegrations::stopLogger()
{
    m_transport->stop();
    if (!m_keyboardTransport->running()) {
        m_keyboard->stop();
    }
}

void StationIntegrations::stopKeyboard()
{
    m_keyboardTransport->stop();
    m_keyboard->disableGlobal();
    if (!(m_settings.kind == LoggerKind::keyboard && m_transport->running())) {
        m_keyboard->stop();
    }
}

NativeKeyboard::Handler StationIntegrations::keyHandler(KeltoClient& client)
{
    // The monitors belong to this object and stop before it goes; only the client can vanish.
    return [this, weakClient = QPointer<KeltoClient>(&client)](const QString& token) {
        if (weakClient) {
            receiveKeyPress(token, *weakClient);
        }
    };
}

void StationIntegrations::route(LoggerTransport& source, QMetaObject::Connection& connection, KeltoClient& client)
{
    disconnect(connection);
    connection = connect(&source, &LoggerTransport::eventReceived, this,
                         [this, weakClient = QPointer<KeltoClient>(&client)](const LoggerEvent& event) {
                             if (weakClient) {
                                 receive(event, *weakClient);
                             }
                         });
}

void StationIntegrations::receiveKeyPress(const QString& token, KeltoClient& client)
{
    if (m_foreground) {
        receive(LoggerEvent::key(token), client);
    }
}

void StationIntegrations::serveRotctld(KeltoClient& client)
{
    if (!m_settings.rotctldEnabled) {
        m_rotctld->stop();
        return;
    }
    if (!m_rotctld->serves(client, m_settings.rotctldHost, m_settings.rotctldPort)) {
        m_rotctld->start(client, m_settings.rotctldHost, m_settings.rotctldPort);
    }
}

void StationIntegrations::startWsjtx(KeltoClient& client)
{
    save();
    m_wsjtx->disconnect(this);
    bool portOk = false;
    const uint port = m_settings.wsjtxPort.trimmed().toUInt(&portOk);
    const QHostAddress address(m_settings.wsjtxHost.trimmed());
    if (address.isNull() || !portOk || port == 0 || port > 65535) {
        m_wsjtx->stop();
        m_wsjtxMessage = tr("Enter an IP address and a port from 1 to 65535.");
    } else if (!m_wsjtx->listen(address, static_cast<quint16>(port))) {
        m_wsjtxMessage = tr("Cannot listen: %1").arg(m_wsjtx->errorString());
    } else {
        m_wsjtxMessage = tr("Listening on %1:%2").arg(m_settings.wsjtxHost.trimmed(), QString::number(port));
        connect(m_wsjtx, &WsjtxListener::droppedChanged, this, &StationIntegrations::wsjtxChanged);
        connect(m_wsjtx, &WsjtxListener::status, this,
                [this, weakClient = QPointer<KeltoClient>(&client)](const WsjtxMessage::Status& status) {
                    if (!weakClient) {
                        return;
                    }
                    // A grid places the station better than any prefix of its call.
                    const QString target =
                        status.dxGrid.trimmed().isEmpty() ? status.dxCall.trimmed() : status.dxGrid.trimmed();
                    const QString& rotor = m_settings.wsjtxRotor;
                    if (m_pointAtTargets && !rotor.isEmpty() && !target.isEmpty()) {
                        // The card works the new target out at once, so its aim is current here.
                        m_pointAtTargets->setText(rotor, target);
                        const QString call = status.dxCall.trimmed();
                        const bool newCall = !call.isEmpty() && call != m_wsjtxCall;
                        m_wsjtxCall = call;
                        if (newCall && m_pointAtTargets->turnsOnNewCall(rotor)) {
                            PointAtTargets::turn(*weakClient, rotor, m_pointAtTargets->aim(rotor), false);
                        }
                    }
                    if (status.dialFrequency > 0) {
                        receive(LoggerEvent::frequency(IntegrationSettings::radioA,
                                                       static_cast<double>(status.dialFrequency) / 1e6),
                                *weakClient);
                    }
                });
    }
    Q_EMIT wsjtxChanged();
}

void StationIntegrations::stopWsjtx()
{
    m_wsjtxCall.clear();
    m_wsjtx->disconnect(this);
    m_wsjtx->stop();
    m_wsjtxMessage.clear();
    Q_EMIT wsjtxChanged();
}

QString StationIntegrations::wsjtxMessage() const
{
    const QString text = m_wsjtxMessage.isEmpty() ? tr("Not listening") : m_wsjtxMessage;
    const quint64 dropped = m_wsjtx->dropped();
    if (dropped > 0) {
        //: %1 is the listener's state, such as "Listening on 127.0.0.1:2237".
        return tr("%1 · %n datagrams dropped", nullptr,
                  static_cast<int>(std::min<quint64>(dropped, std::numeric_limits<int>::max())))
            .arg(text);
    }
    return text;
}

void StationIntegrations::startRotctld(KeltoClient& client)
{
    IntegrationSettings settings = m_settings;
    settings.rotctldEnabled = true;
    setSettings(std::move(settings));
    save();
    // A start asked for again listens afresh, so a port freed meanwhile is taken.
    m_rotctld->stop();
    serveRotctld(client);
}

void StationIntegrations::stopRotctld()
{
    IntegrationSettings settings = m_settings;
    settings.rotctldEnabled = false;
    setSettings(std::move(settings));
    save();
    m_rotctld->stop();
}

// ---- Events ----

QString StationIntegrations::describe(const LoggerEvent& event)
{
    if (const auto* focus = event.as<LoggerEvent::Focus>()) {
        return tr("Focused radio: %1").arg(focus->radio);
    }
    if (const auto* frequency = event.as<LoggerEvent::Frequency>()) {
        return tr("Radio %1 · %2 MHz").arg(QString::number(frequency->radio), fixedText(frequency->mhz, 5));
    }
    if (const auto* turn = event.as<LoggerEvent::Turn>()) {
        return turn->radio
                   ? tr("Rotor heading: %1° · radio %2").arg(doubleText(turn->degrees), QString::number(*turn->radio))
                   : tr("Rotor heading: %1° · radio focused").arg(doubleText(turn->degrees));
    }
    if (const auto* stop = event.as<LoggerEvent::Stop>()) {
        return stop->radio ? tr("Rotor stop · radio %1").arg(*stop->radio) : tr("Rotor stop · radio focused");
    }
    return tr("Key: %1").arg(event.as<LoggerEvent::Key>()->token);
}

void StationIntegrations::receive(const LoggerEvent& event, KeltoClient& client)
{
    if (const auto* focus = event.as<LoggerEvent::Focus>()) {
        setFocus(focus->radio);
    } else if (const auto* frequency = event.as<LoggerEvent::Frequency>()) {
        m_frequencies.insert(frequency->radio, frequency->mhz);
        Q_EMIT frequenciesChanged();
    }
    record(event);

    if (!m_enabled || !client.connected()) {
        return;
    }
    if (const auto* frequency = event.as<LoggerEvent::Frequency>()) {
        automateBands(client, frequency->radio, frequency->mhz);
    } else if (event.as<LoggerEvent::Turn>() || event.as<LoggerEvent::Stop>()) {
        turnOrStop(event, client);
    } else if (const auto* key = event.as<LoggerEvent::Key>()) {
        applyBindings(key->token, client);
    }
}

void StationIntegrations::record(const LoggerEvent& event)
{
    m_lastEvent = describe(event);
    Q_EMIT lastEventChanged(m_lastEvent);
    const QString line = localTimeText(m_clock.now()) + u" · "_s + m_lastEvent;
    if (m_eventLines.size() == maxEventHistory) {
        m_eventLines.removeFirst();
    }
    m_eventLines.append(line);
    Q_EMIT eventRecorded(line);
    Q_EMIT eventHistoryChanged();
}

QString StationIntegrations::eventHistory() const
{
    QString history;
    for (const QString& line : m_eventLines) {
        history += line + u'\n';
    }
    return history;
}

bool StationIntegrations::takesPart(int assignment, int radio) const
{
    if (assignment == IntegrationSettings::radioA || assignment == IntegrationSettings::radioB) {
        return assignment == radio;
    }
    return assignment == IntegrationSettings::focusedRadio && m_focus == radio;
}

void StationIntegrations::automateBands(KeltoClient& client, int radio, double mhz)
{
    const Instant now = m_clock.now();
    // A copy: a command whose send fails can end the connection and empty the client's station.
    const StationState station = client.station();
    for (const AntennaSwitch& device : station.switches) {
        if (!takesPart(m_settings.switchRadios.value(device.name, IntegrationSettings::manual), radio)) {
            continue;
        }
        const std::optional<QString> position = BandAutomation::selection(device, mhz, now);
        // The guard comes first so that a refused selection does not count as sent.
        if (position && client.canSelectSwitch(device, *position) && shouldSend(u"S:"_s + device.name, *position)) {
            client.selectSwitch(device.name, *position);
        }
    }
    for (const TurvixTuner& tuner : station.tuners) {
        if (!takesPart(m_settings.tunerRadios.value(tuner.name, IntegrationSettings::manual), radio) ||
            !client.canControlTuner(tuner)) {
            continue;
        }
        const std::optional<QString> position = BandAutomation::tunerSelection(tuner, mhz);
        if (position && shouldSend(u"T:"_s + tuner.name, *position)) {
            client.selectTuner(tuner.name, *position);
        }
    }
}

void StationIntegrations::turnOrStop(const LoggerEvent& event, KeltoClient& client)
{
    const auto* turn = event.as<LoggerEvent::Turn>();
    const std::optional<int> named = turn ? turn->radio : event.as<LoggerEvent::Stop>()->radio;
    const int radio = named.value_or(m_focus);
    const QString rotor = radio == 2 ? m_settings.rotorB : m_settings.rotorA;
    if (rotor.isEmpty()) {
        return;
    }
    if (turn) {
        client.turn(rotor, turn->degrees);
    } else {
        client.stop(rotor);
    }
}

bool StationIntegrations::shouldSend(const QString& key, const QString& position)
{
    const Instant now = m_clock.now();
    const auto last = m_lastCommands.constFind(key);
    if (last != m_lastCommands.cend() && last->first == position && now - last->second < repeatSeconds) {
        return false;
    }
    m_lastCommands.insert(key, {position, now});
    return true;
}

// ---- Key bindings ----

void StationIntegrations::setPointAtTargets(PointAtTargets* targets)
{
    m_pointAtTargets = targets;
}

void StationIntegrations::applyBindings(const QString& token, KeltoClient& client)
{
    // Several bindings may share a token; all of them fire, in the user's order.
    const QList<KeyBinding> bindings = m_settings.keyCommands;
    for (const KeyBinding& binding : bindings) {
        if (binding.key == token) {
            applyBinding(binding, client);
        }
    }
}

void StationIntegrations::applyBinding(const KeyBinding& binding, KeltoClient& client)
{
    const StationState station = client.station();
    // Targets and actions are the stored values of the binding, never translated.
    const QString& target = binding.rotor;

    if (target.startsWith(u"S:"_s)) {
        const auto found = station.switches.constFind(target.mid(2));
        if (found == station.switches.cend()) {
            return;
        }
        const AntennaSwitch& device = *found;
        QString position = binding.position;
        if (binding.action == u"Next"_s || binding.action == u"Previous"_s) {
            const qsizetype count = device.positions.size();
            if (count == 0) {
                return;
            }
            const qsizetype index =
                std::max<qsizetype>(device.positions.indexOf(device.position.value_or(QString())), 0);
            const qsizetype step = binding.action == u"Next"_s ? 1 : -1;
            position = device.positions.at((index + step + count) % count);
        }
        // A multi-select switch toggles the position instead of selecting it alone.
        const std::optional<bool> enabled =
            device.displayType == 4 ? std::optional<bool>(!device.selected(position)) : std::nullopt;
        client.selectSwitch(device.name, position, enabled);
        return;
    }
    if (target.startsWith(u"K:"_s)) {
        const auto found = station.stacks.constFind(target.mid(2));
        if (found != station.stacks.cend()) {
            client.setStack(found->name, !found->selected);
        }
        return;
    }
    if (target.startsWith(u"T:"_s)) {
        client.selectTuner(target.mid(2), binding.position);
        return;
    }

    const QString rotor = target.startsWith(u"R:"_s) ? target.mid(2) : target;
    if (binding.action == u"Rotate"_s) {
        client.turn(rotor, binding.heading);
    } else if (binding.action == u"CW"_s) {
        client.jog(rotor, true);
    } else if (binding.action == u"CCW"_s) {
        client.jog(rotor, false);
    } else if (binding.action == u"Park"_s) {
        client.park(rotor);
    } else if (binding.action == u"Turn short path"_s || binding.action == u"Turn long path"_s) {
        // The target the rotor's card shows; nothing when it has none.
        if (m_pointAtTargets) {
            PointAtTargets::turn(client, rotor, m_pointAtTargets->aim(rotor), binding.action == u"Turn long path"_s);
        }
    } else {
        client.stop(rotor);
    }
}

// ---- Encoder ----

void StationIntegrations::startEncoder(KeltoClient& client)
{
    save();
    const QString& target = m_settings.encoderTarget;
    if (target.startsWith(u"R:"_s)) {
        const StationState& station = client.station();
        const auto rotor = station.rotors.constFind(target.mid(2));
        const bool known = rotor != station.rotors.cend() && rotor->heading && std::isfinite(*rotor->heading);
        setEncoderHeading(known ? *rotor->heading : 0.0);
    }

    disconnect(m_encoderDelta);
    disconnect(m_encoderPress);
    const QPointer<KeltoClient> weakClient(&client);
    m_encoderDelta = connect(m_encoder, &PhidgetEncoder::deltaReceived, this, [this, weakClient](qint64 delta) {
        if (weakClient) {
            turnEncoder(delta, *weakClient);
        }
    });
    m_encoderPress = connect(m_encoder, &PhidgetEncoder::pressReceived, this, [this, weakClient] {
        if (weakClient) {
            applyEncoder(*weakClient);
        }
    });
    // The channels are ints already; a serial that does not read as one is refused by `start`.
    m_encoder->start(serialNumber(m_settings.encoderSerial), m_settings.encoderChannel, m_settings.encoderButton);
}

void StationIntegrations::turnEncoder(qint64 delta, KeltoClient& client)
{
    if (!m_enabled || !client.connected()) {
        return;
    }
    const QString& target = m_settings.encoderTarget;
    if (target.startsWith(u"R:"_s)) {
        const double step = m_settings.encoderStep;
        if (!std::isfinite(step)) {
            return;
        }
        double heading = std::fmod(m_encoderHeading + step * static_cast<double>(delta), 360.0);
        if (heading < 0) {
            heading += 360.0;
        }
        // A remainder a hair below zero lands on 360 when shifted up.
        if (heading == 360.0) {
            heading = 0.0;
        }
        // A turn too large for a double leaves the preview where it was.
        if (std::isfinite(heading)) {
            setEncoderHeading(heading);
        }
        return;
    }

    const std::optional<QStringList> choices = encoderChoices(target, client);
    if (!choices || choices->isEmpty()) {
        return;
    }
    // The raw count, not the step: one detent moves one entry. The remainder keeps the sum
    // within 64 bits whatever the count.
    const qint64 count = choices->size();
    const qint64 index = std::max<qint64>(choices->indexOf(m_encoderSelection), 0);
    setEncoderSelection(choices->at((index + delta % count + count) % count));
}

std::optional<QStringList> StationIntegrations::encoderChoices(const QString& target, const KeltoClient& client) const
{
    const StationState& station = client.station();
    const QString name = target.mid(2);
    if (target.startsWith(u"P:"_s)) {
        QStringList names;
        for (const HeadingPreset& preset : HeadingPreset::stored(m_defaults, client.endpoint(), name)) {
            names.append(preset.name);
        }
        return names;
    }
    if (target.startsWith(u"T:"_s)) {
        const auto tuner = station.tuners.constFind(name);
        if (tuner == station.tuners.cend()) {
            return std::nullopt;
        }
        QStringList names;
        for (const SwitchPosition& position : tuner->positions) {
            names.append(position.name);
        }
        return names;
    }
    if (target.startsWith(u"S:"_s)) {
        const auto device = station.switches.constFind(name);
        if (device == station.switches.cend()) {
            return std::nullopt;
        }
        return device->positions;
    }
    return std::nullopt;
}

void StationIntegrations::applyEncoder(KeltoClient& client)
{
    if (!m_enabled || !client.connected()) {
        return;
    }
    const QString& target = m_settings.encoderTarget;
    const QString name = target.mid(2);
    // A copy: a command whose send fails can end the connection and empty the client's station.
    const StationState station = client.station();

    if (target.startsWith(u"R:"_s)) {
        client.turn(name, m_encoderHeading);
    } else if (target.startsWith(u"P:"_s)) {
        const QList<HeadingPreset> presets = HeadingPreset::stored(m_defaults, client.endpoint(), name);
        const auto preset = std::find_if(presets.cbegin(), presets.cend(),
                                         [&](const HeadingPreset& p) { return p.name == m_encoderSelection; });
        if (preset != presets.cend()) {
            client.turn(name, preset->degrees);
        }
    } else if (target.startsWith(u"T:"_s)) {
        client.selectTuner(name, m_encoderSelection);
    } else if (target.startsWith(u"K:"_s)) {
        const auto stack = station.stacks.constFind(name);
        if (stack != station.stacks.cend()) {
            client.setStack(stack->name, !stack->selected);
        }
    } else if (target.startsWith(u"S:"_s)) {
        const auto device = station.switches.constFind(name);
        if (device != station.switches.cend()) {
            // A multi-select switch toggles the position instead of selecting it alone.
            const std::optional<bool> enabled =
                device->displayType == 4 ? std::optional<bool>(!device->selected(m_encoderSelection)) : std::nullopt;
            client.selectSwitch(device->name, m_encoderSelection, enabled);
        }
    }
    Q_EMIT encoderApplied();
}
