#include "app/profiles/ProfileManager.h"

#include "app/map/PlaceSearch.h"
#include "app/profiles/ServerProfiles.h"
#include "core/client/ServerVerification.h"
#include "core/protocol/OVVProtocol.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// The coordinate texts are read strictly: decimal digits, a sign, a point and an exponent,
// nothing around them.
std::optional<double> coordinate(const QString& text)
{
    return OVVProtocol::decimal(text);
}

QString coordinateText(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'g', QLocale::FloatingPointShortest) : QString();
}

} // namespace

ProfileManager::ProfileManager(ServerProfiles& profiles, PlaceSearch& places, Choose choose, const Clock& clock,
                               QObject* parent)
    : QObject(parent)
    , m_profiles(profiles)
    , m_places(places)
    , m_choose(std::move(choose))
    , m_clock(clock)
{
    m_savedDraft = formSnapshot();
    connect(&m_places, &PlaceSearch::found, this, &ProfileManager::located);
    connect(&m_places, &PlaceSearch::failed, this, &ProfileManager::lookupFailed);
}

ProfileManager::~ProfileManager()
{
    if (m_lookingUp) {
        m_places.cancel();
    }
}

void ProfileManager::setConnectionKind(ConnectionKind kind)
{
    if (m_connectionKind != kind) {
        m_connectionKind = kind;
        Q_EMIT changed();
    }
}

void ProfileManager::setText(Field field, const QString& text)
{
    QString& current = m_texts.at(static_cast<size_t>(field));
    if (current != text) {
        current = text;
        Q_EMIT changed();
    }
}

QString ProfileManager::title() const
{
    return m_editingID ? tr("Edit Server") : tr("Add Server");
}

QStringList ProfileManager::formSnapshot() const
{
    QStringList snapshot(m_texts.cbegin(), m_texts.cend());
    snapshot.append(ConnectionKinds::text(m_connectionKind));
    return snapshot;
}

bool ProfileManager::coordinatesValid() const
{
    const QString& latitude = text(Field::latitude);
    const QString& longitude = text(Field::longitude);
    if (latitude.isEmpty() && longitude.isEmpty()) {
        return true;
    }
    const std::optional<double> lat = coordinate(latitude);
    const std::optional<double> lon = coordinate(longitude);
    return lat && lon && ServerProfile::validSite(*lat, *lon);
}

bool ProfileManager::valid() const
{
    // The candidate carries the trimmed name and the parsed site; the texts decide the site.
    return coordinatesValid() && candidate().valid();
}

QString ProfileManager::invalidReason() const
{
    const ServerProfile profile = candidate();
    if (profile.name.isEmpty()) {
        return tr("Enter a profile name.");
    }
    if (profile.host.isEmpty() || std::ranges::any_of(profile.host, [](QChar c) { return c.isSpace(); })) {
        return m_connectionKind == ConnectionKind::kt90Serial ? tr("Enter the serial device without spaces.")
                                                              : tr("Enter a hostname or IP address without spaces.");
    }
    if (!ServerProfile::validPort(m_connectionKind, profile.port)) {
        return m_connectionKind == ConnectionKind::kt90Serial
                   ? tr("Choose a /dev/ serial port and a supported baud rate.")
                   : tr("Enter a port from 1 to 65535.");
    }
    if (!coordinatesValid()) {
        return tr("Enter both coordinates within the shown ranges.");
    }
    return QString();
}

ServerProfile ProfileManager::candidate() const
{
    ServerProfile profile;
    profile.id = m_editingID.value_or(QUuid());
    profile.name = text(Field::name).trimmed();
    profile.host = text(Field::host);
    profile.port = text(Field::port);
    profile.connectionKind = m_connectionKind;
    if (!text(Field::address).isEmpty()) {
        profile.address = text(Field::address);
    }
    profile.latitude = coordinate(text(Field::latitude));
    profile.longitude = coordinate(text(Field::longitude));
    return profile;
}

void ProfileManager::select(const ServerProfile& profile)
{
    m_connectionKind = profile.kind();
    m_editingID = profile.id;
    m_texts = {profile.name,
               profile.host,
               profile.port,
               profile.address.value_or(QString()),
               coordinateText(profile.latitude),
               coordinateText(profile.longitude)};
    m_savedDraft = formSnapshot();
    m_savedElsewhere.clear();
    Q_EMIT changed();
}

void ProfileManager::clearDraft()
{
    m_validationError.reset();
    m_failedCandidate.reset();
    m_savedElsewhere.clear();
    m_connectionKind = ConnectionKind::ovVarnex;
    m_editingID.reset();
    m_texts = {};
    m_savedDraft = formSnapshot();
    Q_EMIT changed();
}

void ProfileManager::discardTransferDraft()
{
    if (!hasUnsavedChanges()) {
        return;
    }
    const std::optional<ServerProfile> stored = m_editingID ? m_profiles.profile(*m_editingID) : std::nullopt;
    if (stored) {
        select(*stored);
    } else {
        clearDraft();
    }
}

// ---- Guarded actions ----

void ProfileManager::chooseProfile(const ServerProfile& profile)
{
    guard({ActionKind::select, profile});
}

void ProfileManager::newServer()
{
    guard({ActionKind::newServer, std::nullopt});
}

void ProfileManager::removeProfile(const ServerProfile& profile)
{
    guard({ActionKind::remove, profile});
}

void ProfileManager::exportSettings()
{
    guard({ActionKind::exportSettings, std::nullopt});
}

void ProfileManager::importSettings()
{
    guard({ActionKind::importSettings, std::nullopt});
}

void ProfileManager::close()
{
    guard({ActionKind::close, std::nullopt});
}

void ProfileManager::keepEditing()
{
    m_pendingAction.reset();
    m_showUnsavedChanges = false;
    Q_EMIT changed();
}

void ProfileManager::discardChanges()
{
    const std::optional<Action> action = std::exchange(m_pendingAction, std::nullopt);
    m_showUnsavedChanges = false;
    Q_EMIT changed();
    if (action) {
        run(*action);
    }
}

void ProfileManager::guard(Action action)
{
    if (!hasUnsavedChanges()) {
        run(action);
        return;
    }
    m_pendingAction = std::move(action);
    m_showUnsavedChanges = true;
    Q_EMIT changed();
}

void ProfileManager::run(const Action& action)
{
    switch (action.kind) {
    case ActionKind::select:
        select(*action.profile);
        break;
    case ActionKind::newServer:
        clearDraft();
        break;
    case ActionKind::remove:
        m_profiles.remove(*action.profile);
        clearDraft();
        break;
    case ActionKind::exportSettings:
        discardTransferDraft();
        startExport();
        break;
    case ActionKind::importSettings:
        discardTransferDraft();
        Q_EMIT importFileWanted();
        break;
    case ActionKind::close:
        // A check the user no longer sees must not store anything behind the closed sheet.
        cancelCheck();
        Q_EMIT closeRequested();
        break;
    }
}

// ---- Saving ----

void ProfileManager::save()
{
    if (!valid()) {
        return;
    }
    // Only the latest check counts.
    cancelCheck();
    ServerProfile profile = candidate();
    if (!m_editingID) {
        profile.id = QUuid::createUuid();
    }
    m_candidate = profile;
    m_checking = true;
    m_validationError.reset();
    m_failedCandidate.reset();
    m_verification = KeltoClient::verifyServer(profile.host, profile.port, profile.kind(), this, m_clock);
    connect(m_verification, &ServerVerification::finished, this, &ProfileManager::verified);
    Q_EMIT changed();
}

void ProfileManager::cancelCheck()
{
    if (ServerVerification* verification = m_verification) {
        m_verification = nullptr;
        verification->disconnect(this);
        verification->cancel();
        verification->deleteLater();
    }
    if (m_lookingUp) {
        m_lookingUp = false;
        m_places.cancel();
    }
    m_candidate.reset();
    if (m_checking) {
        m_checking = false;
        Q_EMIT changed();
    }
}

void ProfileManager::verified(const std::optional<ServerVerificationError>& error)
{
    if (ServerVerification* verification = m_verification) {
        m_verification = nullptr;
        verification->deleteLater();
    }
    if (!m_candidate) {
        return;
    }
    if (error) {
        fail(error->description());
        return;
    }
    if (!m_candidate->latitude && !m_candidate->longitude && m_candidate->address) {
        m_lookingUp = true;
        m_places.search(*m_candidate->address);
        return;
    }
    store(*m_candidate);
}

void ProfileManager::located(const QString& query, const QList<Place>& places)
{
    if (!m_lookingUp || !m_candidate || query != m_candidate->address) {
        return;
    }
    m_lookingUp = false;
    if (places.size() != 1) {
        fail(tr("The site address did not identify one location. Enter a fuller address or latitude and longitude."));
        return;
    }
    const Place& place = places.first();
    if (!ServerProfile::validSite(place.latitude, place.longitude)) {
        fail(tr("Site coordinates are outside the supported map range."));
        return;
    }
    ServerProfile profile = *m_candidate;
    profile.latitude = place.latitude;
    profile.longitude = place.longitude;
    store(profile);
}

void ProfileManager::lookupFailed(const QString& query, const QString& message)
{
    if (!m_lookingUp || !m_candidate || query != m_candidate->address) {
        return;
    }
    m_lookingUp = false;
    fail(message);
}

void ProfileManager::fail(const QString& message)
{
    m_failedCandidate = std::exchange(m_candidate, std::nullopt);
    m_checking = false;
    m_validationError = message;
    Q_EMIT changed();
}

void ProfileManager::store(ServerProfile profile)
{
    m_candidate.reset();
    QList<ServerProfile> items = m_profiles.items();
    const auto existing = std::ranges::find(items, profile.id, &ServerProfile::id);
    if (existing != items.end()) {
        *existing = profile;
    } else {
        items.append(profile);
    }
    m_profiles.setItems(std::move(items));
    m_checking = false;
    select(profile);
    if (m_choose && !m_choose(profile)) {
        //: “Additional Server” is the header button of that name
        m_savedElsewhere = tr("“%1” is saved. This tab stays connected to its server: choose “%1” in the server "
                              "menu once it is disconnected, or use “Additional Server” to open it in a tab of its "
                              "own.")
                               .arg(profile.name);
        Q_EMIT changed();
    }
}

void ProfileManager::saveAnyway()
{
    const std::optional<ServerProfile> profile = std::exchange(m_failedCandidate, std::nullopt);
    m_validationError.reset();
    if (!profile) {
        Q_EMIT changed();
        return;
    }
    store(*profile);
}

QString ProfileManager::validationMessage() const
{
    const QString message = m_validationError.value_or(QString());
    return message.isEmpty() ? tr("The server could not be verified.") : message;
}

void ProfileManager::dismissValidationError()
{
    m_failedCandidate.reset();
    if (m_validationError) {
        m_validationError.reset();
        Q_EMIT changed();
    }
}

// ---- Settings transfer ----

QString ProfileManager::suggestedFileName()
{
    // "Orvane-Settings.json" becomes "Orvane-Settings-2024-05-01.json".
    QString name = SettingsBackup::suggestedFileName;
    name.insert(name.lastIndexOf(u'.'), u'-' + QDate::currentDate().toString(Qt::ISODate));
    return name;
}

void ProfileManager::startExport()
{
    m_exportBytes.reset();
    const ProtocolResult<SettingsBackup> backup = SettingsBackup::capture(m_profiles.items(), m_profiles.defaults());
    if (!backup) {
        setTransferMessage(backup.failure().description());
        return;
    }
    const ProtocolResult<QByteArray> bytes = backup->encoded();
    if (!bytes) {
        setTransferMessage(bytes.failure().description());
        return;
    }
    m_exportBytes = *bytes;
    Q_EMIT exportFileWanted(suggestedFileName());
}

void ProfileManager::exportTo(const QString& fileName)
{
    const std::optional<QByteArray> bytes = std::exchange(m_exportBytes, std::nullopt);
    if (!bytes) {
        return;
    }
    const std::optional<ProtocolFailure> failure = SettingsBackup::writeFile(fileName, *bytes);
    setTransferMessage(failure ? failure->description() : tr("Settings exported."));
}

void ProfileManager::importFrom(const QString& fileName)
{
    ProtocolResult<SettingsBackup> backup = SettingsBackup::readFile(fileName);
    if (!backup) {
        m_pendingImport.reset();
        setTransferMessage(backup.failure().description());
        return;
    }
    m_pendingImport = std::move(backup).value();
    m_showImportConfirmation = true;
    Q_EMIT changed();
}

QString ProfileManager::importQuestion() const
{
    const qsizetype count = m_pendingImport ? m_pendingImport->servers.size() : 0;
    return tr("Replace saved settings with the %n server profile(s) in this file? This replaces your saved "
              "configuration and disconnects open connections. Passwords are not imported.",
              nullptr, int(count));
}

void ProfileManager::confirmImport()
{
    m_showImportConfirmation = false;
    const std::optional<SettingsBackup> backup = std::exchange(m_pendingImport, std::nullopt);
    if (!backup) {
        Q_EMIT changed();
        return;
    }
    const std::optional<ProtocolFailure> failure = backup->apply(m_profiles, m_profiles.defaults());
    if (!failure) {
        clearDraft();
    }
    setTransferMessage(failure ? failure->description() : tr("Settings imported. Connections remain disconnected."));
}

void ProfileManager::cancelImport()
{
    m_showImportConfirmation = false;
    m_pendingImport.reset();
    Q_EMIT changed();
}

void ProfileManager::setTransferMessage(const QString& message)
{
    m_transferMessage = message;
    Q_EMIT changed();
}

void ProfileManager::dismissTransferMessage()
{
    if (m_transferMessage) {
        m_transferMessage.reset();
        Q_EMIT changed();
    }
}
