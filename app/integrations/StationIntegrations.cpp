#include "app/integrations/StationIntegrations.h"

#include "core/client/Clock.h"
#include "core/client/SettingsStore.h"
#include "core/integrations/BandAutomation.h"
#include "core/integrations/LoggerTransport.h"

#include <QLocale>
#include <QPointer>

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// The user's time format with seconds and without a time zone: the long format minus its zone.
QString historyTime(Instant at)
{
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == u't') {
            while (!kept.isEmpty() && kept.back().isSpace()) {
                kept.chop(1);
            }
            continue;
        }
        kept.append(c);
    }
    return at.toDateTime().time().toString(kept.trimmed());
}

// The shortest text that reads back as the same double, always with a decimal point for whole
// numbers (123 is written 123.0).
QString doubleText(double value)
{
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    const bool wholeNumber = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit() || c == u'-'; });
    if (wholeNumber) {
        text += u".0"_s;
    }
    return text;
}

QString radioText(const std::optional<int>& radio)
{
    return radio ? QString::number(*radio) : u"focused"_s;
}

} // namespace

StationIntegrations::StationIntegrations(SettingsStore& defaults, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_clock(clock)
    , m_lastEvent(u"No logger data yet"_s)
    , m_transport(new LoggerTransport(this))
    , m_keyboardTransport(new LoggerTransport(this))
{}

StationIntegrations::~StationIntegrations() = default;

void StationIntegrations::setSettings(IntegrationSettings settings)
{
    if (settings == m_settings) {
        return;
    }
    m_settings = std::move(settings);
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
        if (const std::optional<QByteArray> data = m_defaults.data(IntegrationSettings::storageKey(endpoint))) {
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
        m_defaults.setData(IntegrationSettings::storageKey(m_endpoint), *data);
    }
}

void StationIntegrations::reset()
{
    setEnabled(false);
    forgetRadios();
}

void StationIntegrations::stopInputs()
{
    m_transport->stop();
    m_keyboardTransport->stop();
}

// ---- Inputs ----

void StationIntegrations::start(KeltoClient& client)
{
    save();
    route(*m_transport, m_loggerRoute, client);
    m_transport->start(m_settings.kind, m_settings.host, m_settings.port, m_settings.station);
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

// ---- Events ----

QString StationIntegrations::describe(const LoggerEvent& event)
{
    if (const auto* focus = event.as<LoggerEvent::Focus>()) {
        return u"Focused radio: "_s + QString::number(focus->radio);
    }
    if (const auto* frequency = event.as<LoggerEvent::Frequency>()) {
        return u"Radio %1 · %2 MHz"_s.arg(frequency->radio).arg(QString::number(frequency->mhz, 'f', 5));
    }
    if (const auto* turn = event.as<LoggerEvent::Turn>()) {
        return u"Rotor heading: "_s + doubleText(turn->degrees) + u"° · radio "_s + radioText(turn->radio);
    }
    if (const auto* stop = event.as<LoggerEvent::Stop>()) {
        return u"Rotor stop · radio "_s + radioText(stop->radio);
    }
    return u"Key: "_s + event.as<LoggerEvent::Key>()->token;
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
    m_eventHistory += historyTime(m_clock.now()) + u" · "_s + m_lastEvent + u'\n';
    Q_EMIT eventHistoryChanged();
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
    } else {
        client.stop(rotor);
    }
}
