#include "core/client/ServerVerification.h"

#include "core/client/Clock.h"
#include "core/client/KeltoClient.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

ServerVerification::ServerVerification(QString host, QString port, ConnectionKind kind, const Clock& clock,
                                       QObject* parent)
    : QObject(parent)
    , m_host(std::move(host))
    , m_port(std::move(port))
    , m_kind(kind)
    , m_clock(clock)
{
    m_timer.setInterval(pollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &ServerVerification::poll);
}

ServerVerification::~ServerVerification()
{
    stopClient();
}

void ServerVerification::start()
{
    if (m_started) {
        return;
    }
    m_started = true;
    m_running = true;
    m_client = std::make_unique<KeltoClient>(nullptr, m_defaults, m_clock);
    // The terminal's device name on the station, not translated.
    m_client->connectTo(m_host, m_port, QString(), QString(), m_kind, u"KT-90"_s, std::nullopt);
    m_deadline = m_clock.now() + deadlineSeconds;
    m_timer.start();
    // The first look comes from the event loop, so `finished` never fires inside `start`.
    QTimer::singleShot(0, this, &ServerVerification::poll);
}

void ServerVerification::cancel()
{
    if (!m_running) {
        return;
    }
    stopClient();
    Q_EMIT cancelled();
}

void ServerVerification::poll()
{
    if (!m_running) {
        return;
    }
    std::optional<ServerVerificationError> error;
    if (m_clock.now() > m_deadline) {
        error = ServerVerificationError{
            tr("No compatible server or device response within 3 seconds. Check the address, port, and network "
               "connection.")};
    } else if (m_client->connected() || m_client->authenticationRequest()) {
        error = std::nullopt;
    } else if (m_client->connecting()) {
        return;
    } else {
        error = ServerVerificationError{m_client->message()};
    }
    stopClient();
    Q_EMIT finished(error);
}

void ServerVerification::stopClient()
{
    m_running = false;
    m_timer.stop();
    if (m_client) {
        m_client->disconnectFromStation();
    }
}
