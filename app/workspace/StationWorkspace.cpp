#include "app/workspace/StationWorkspace.h"

#include "app/profiles/CanonicalText.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/UuidText.h"
#include "app/workspace/StationSession.h"
#include "core/client/SettingsStore.h"

#include <QPointer>
#include <QSet>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

StationWorkspace::StationWorkspace(SettingsStore& defaults, CredentialStore* credentialStore, const Clock& clock,
                                   QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_credentialStore(credentialStore)
    , m_clock(clock)
    , m_profiles(new ServerProfiles(defaults, this))
{
    restore();
    if (m_sessions.isEmpty()) {
        m_sessions.append(createSession(tr("Server %1").arg(1)));
    }
    m_selected = m_sessions.first()->id();
    for (StationSession* session : std::as_const(m_sessions)) {
        observe(session);
    }
}

StationWorkspace::~StationWorkspace()
{
    // The tabs go while this object's members still exist; a client may publish as it ends, so
    // its subscriptions are dropped first.
    for (const QMetaObject::Connection& subscription : std::as_const(m_stateSubscriptions)) {
        QObject::disconnect(subscription);
    }
    for (const QMetaObject::Connection& subscription : std::as_const(m_subscriptions)) {
        QObject::disconnect(subscription);
    }
    qDeleteAll(m_sessions);
}

StationSession* StationWorkspace::createSession(const QString& name)
{
    return new StationSession(name, m_credentialStore, m_defaults, m_clock, this);
}

void StationWorkspace::restore()
{
    const QStringList identifiers =
        m_defaults.textList(SettingsKeys::lastConnectedServerProfiles)
            .value_or(QStringList{m_defaults.text(SettingsKeys::selectedServerProfileID).value_or(QString())});
    const QList<ServerProfile>& profiles = m_profiles->items();
    QSet<QString> seen;
    for (const QString& identifier : identifiers) {
        if (m_sessions.size() >= maxSessions) {
            break;
        }
        if (seen.contains(identifier)) {
            continue;
        }
        seen.insert(identifier);
        const auto found = std::ranges::find_if(
            profiles, [&identifier](const ServerProfile& profile) { return UuidText::text(profile.id) == identifier; });
        if (found == profiles.end()) {
            continue;
        }
        StationSession* session = createSession(found->name);
        session->setProfileID(identifier);
        m_remembered.insert(session->id(), identifier);
        m_sessions.append(session);
    }
}

StationSession* StationWorkspace::session(const QUuid& id) const
{
    const auto found =
        std::ranges::find_if(m_sessions, [&id](const StationSession* session) { return session->id() == id; });
    return found == m_sessions.end() ? nullptr : *found;
}

bool StationWorkspace::isOpen(const StationSession* session) const
{
    return session && m_sessions.contains(session);
}

void StationWorkspace::select(const QUuid& id)
{
    if (session(id)) {
        setSelected(id);
    }
}

void StationWorkspace::setSelected(std::optional<QUuid> id)
{
    if (m_selected != id) {
        m_selected = id;
        Q_EMIT selectedChanged();
    }
}

void StationWorkspace::setDuplicateConnection(std::optional<QString> message)
{
    if (m_duplicateConnection != message) {
        m_duplicateConnection = std::move(message);
        Q_EMIT duplicateConnectionChanged();
    }
}

void StationWorkspace::clearDuplicateConnection()
{
    setDuplicateConnection(std::nullopt);
}

void StationWorkspace::add()
{
    if (!canAddSession()) {
        return;
    }
    StationSession* session = createSession(tr("Server %1").arg(m_sessions.size() + 1));
    observe(session);
    m_sessions.append(session);
    Q_EMIT sessionsChanged();
    setSelected(session->id());
}

void StationWorkspace::connectSession(StationSession* session, const QString& host, const QString& port,
                                      ConnectionKind kind, const QString& rotorName)
{
    if (!isOpen(session)) {
        return;
    }
    const QString key = addressKey(host, port, kind);
    // A copy: the duplicate rule may close the requesting tab.
    const QList<StationSession*> sessions = m_sessions;
    for (StationSession* other : sessions) {
        if (other->id() == session->id()) {
            continue;
        }
        const KeltoClient& client = other->client();
        if (!client.connected() && !client.connecting() && !client.authenticationRequest()) {
            continue;
        }
        if (m_connectionKeys.value(other->id()) != key) {
            continue;
        }
        if (session == m_sessions.first()) {
            session->client().clearStation();
        } else {
            close(session);
        }
        setSelected(other->id());
        setDuplicateConnection(
            tr("This server is already open in %1. Its existing tab has been selected.").arg(other->name()));
        return;
    }
    m_connectionKeys.insert(session->id(), key);
    session->client().connectTo(host, port, QString(), QString(), kind, rotorName, std::nullopt);
}

void StationWorkspace::connectAll()
{
    // A copy: the duplicate rule may close tabs.
    const QList<StationSession*> sessions = m_sessions;
    for (StationSession* session : sessions) {
        if (!isOpen(session) || session->profileID().isEmpty()) {
            continue;
        }
        if (const std::optional<ServerProfile> profile = m_profiles->profile(QUuid::fromString(session->profileID()))) {
            connectSession(session, profile->host, profile->port, profile->kind(), profile->name);
        }
    }
}

void StationWorkspace::close(StationSession* session)
{
    if (!isOpen(session) || m_sessions.size() < 2 || session == m_sessions.first()) {
        return;
    }
    const QUuid id = session->id();
    session->client().disconnectFromStation();

    QObject::disconnect(m_subscriptions.take(id));
    QObject::disconnect(m_stateSubscriptions.take(id));
    m_connectionKeys.remove(id);
    m_logTaken.remove(id);

    m_sessions.removeAll(session);
    Q_EMIT sessionsChanged();

    m_remembered.remove(id);
    saveRestoration();

    if (m_selected == id) {
        setSelected(m_sessions.first()->id());
    }
    // Later: the view that asked for the close may still be on the stack.
    session->deleteLater();
}

void StationWorkspace::disconnectAll()
{
    for (StationSession* session : std::as_const(m_sessions)) {
        session->client().disconnectFromStation();
    }
}

SessionCallbacks StationWorkspace::callbacks(StationSession* session)
{
    const QPointer<StationWorkspace> self(this);
    const QPointer<StationSession> tab(session);
    SessionCallbacks callbacks;
    callbacks.connectServer = [self, tab](const QString& host, const QString& port, ConnectionKind kind,
                                          const QString& rotorName) {
        if (self && tab) {
            self->connectSession(tab, host, port, kind, rotorName);
        }
    };
    callbacks.newSession = [self] {
        if (self) {
            self->add();
        }
    };
    callbacks.canAddSession = [self] { return self && self->canAddSession(); };
    callbacks.selectedProfileChanged = [tab](const QString& profileID) {
        if (tab) {
            tab->setProfileID(profileID);
        }
    };
    callbacks.selectedName = [self, tab](const QString& name) {
        if (self && tab) {
            self->rename(tab, name);
        }
    };
    callbacks.initialProfileID = session ? session->profileID() : QString();
    callbacks.restoreSelection = session && session == m_sessions.first();
    callbacks.isSelected = [self, tab] { return self && tab && self->m_selected == tab->id(); };
    return callbacks;
}

void StationWorkspace::rename(StationSession* session, const QString& name)
{
    session->setName(name);
    Q_EMIT changed();
}

void StationWorkspace::observe(StationSession* session)
{
    const QUuid id = session->id();
    const QPointer<StationSession> tab(session);
    m_logTaken.insert(id, 0);
    // Qt reports changes only, so the initial state is never handled here.
    m_stateSubscriptions.insert(id,
                                QObject::connect(&session->client(), &KeltoClient::connectedChanged, this, [this, tab] {
                                    if (tab) {
                                        connectedChanged(tab);
                                    }
                                }));
    m_subscriptions.insert(id, QObject::connect(&session->client(), &KeltoClient::logChanged, this, [this, tab] {
                               if (tab) {
                                   takeLog(tab);
                               }
                           }));
}

void StationWorkspace::connectedChanged(StationSession* session)
{
    if (session->client().connected()) {
        rememberConnected(session);
    }
    Q_EMIT changed();
}

void StationWorkspace::takeLog(StationSession* session)
{
    const KeltoClient& client = session->client();
    const QStringList& lines = client.log();
    // Line numbers count from the client's first line ever, so lines the client has dropped
    // from its front do not shift what is new.
    qint64& taken = m_logTaken[session->id()];
    const qint64 total = client.logDropped() + lines.size();
    const qsizetype first = lines.size() - std::clamp<qint64>(total - taken, 0, std::min(lines.size(), maxLogLines));
    taken = total;
    if (first == lines.size()) {
        return;
    }
    // Tools read the tag back out of a saved log: it stays as it is in every language.
    const QString tag = u" ["_s + logLabel(session) + u"] "_s;
    QStringList appended;
    appended.reserve(lines.size() - first);
    for (qsizetype index = first; index < lines.size(); ++index) {
        // The client's lines are its time, two blanks and the text: the tag goes between them,
        // so that a dated copy reads date, time, tag.
        const QString& line = lines.at(index);
        const qsizetype gap = line.indexOf(u"  "_s);
        appended.append(gap < 0 ? tag.mid(1) + line : line.left(gap) + tag + line.mid(gap + 2));
    }
    m_log.append(appended);
    if (m_log.size() > maxLogLines) {
        m_log.remove(0, m_log.size() - maxLogLines);
    }
    Q_EMIT logAppended(appended);
    Q_EMIT logChanged();
}

QString StationWorkspace::logLabel(const StationSession* session) const
{
    const QString& endpoint = session->client().endpoint();
    std::optional<ServerProfile> profile;
    if (!session->profileID().isEmpty()) {
        profile = m_profiles->profile(QUuid::fromString(session->profileID()));
    }
    if (endpoint.isEmpty()) {
        return profile ? profile->name : session->name();
    }
    return profile ? profile->name + u' ' + endpoint : endpoint;
}

void StationWorkspace::rememberConnected(StationSession* session)
{
    if (!isOpen(session) || session->profileID().isEmpty()) {
        return;
    }
    m_remembered.insert(session->id(), session->profileID());
    saveRestoration();
}

void StationWorkspace::saveRestoration()
{
    QStringList identifiers;
    for (const StationSession* session : std::as_const(m_sessions)) {
        const auto found = m_remembered.constFind(session->id());
        if (found != m_remembered.cend()) {
            identifiers.append(*found);
        }
    }
    m_defaults.setTextList(SettingsKeys::lastConnectedServerProfiles, identifiers);
}

QString StationWorkspace::addressKey(const QString& host, const QString& port, ConnectionKind kind)
{
    // Composed and decomposed spellings of one host name are one server, so the key is kept in
    // one canonical form and compared as plain text.
    if (kind == ConnectionKind::kt90Serial) {
        return CanonicalText::key(u"serial:"_s + host.trimmed());
    }
    QString name = host.trimmed().toLower();
    if (name.endsWith(u'.')) {
        name.chop(1);
    }
    const std::optional<quint16> number = ServerProfile::portNumber(port);
    return CanonicalText::key(name + u':' + (number ? QString::number(*number) : port));
}
