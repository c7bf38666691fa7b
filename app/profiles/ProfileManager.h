#pragma once

#include "app/map/Place.h"
#include "app/profiles/ServerProfile.h"
#include "app/profiles/SettingsBackup.h"
#include "core/client/KeltoClient.h"
#include "core/client/ServerVerificationError.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <array>
#include <functional>
#include <optional>

class Clock;
class PlaceSearch;
class ServerProfiles;
class ServerVerification;

// The profile editor without its widgets: the form as typed, whether it may be saved, the
// guard that asks before unsaved edits are thrown away, saving as a cancellable check (the
// server answers, then the site address is looked up when no coordinates were typed, then the
// profile is stored), and the settings export and import. The alerts are state here; the
// sheet shows them while they are set and reports the user's answer back.
class ProfileManager final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProfileManager)

public:
    // The station view's selection, called with every profile saved: true when the tab took
    // it, false when the tab keeps its server (it is connected or connecting to another).
    using Choose = std::function<bool(const ServerProfile&)>;

    // The form's texts, in the order of the form snapshot.
    enum class Field { name, host, port, address, latitude, longitude };

    // The actions that would throw away unsaved edits.
    enum class ActionKind { select, newServer, remove, exportSettings, importSettings, close };
    struct Action {
        ActionKind kind = ActionKind::newServer;
        // The profile chosen or removed.
        std::optional<ServerProfile> profile;

        bool operator==(const Action&) const = default;
    };

    ProfileManager(ServerProfiles& profiles, PlaceSearch& places, Choose choose,
                   const Clock& clock = KeltoClient::systemClock(), QObject* parent = nullptr);
    ~ProfileManager() override;

    ServerProfiles& profiles() const { return m_profiles; }

    // The form.
    const std::optional<QUuid>& editingID() const { return m_editingID; }
    ConnectionKind connectionKind() const { return m_connectionKind; }
    const QString& text(Field field) const { return m_texts.at(static_cast<size_t>(field)); }
    void setConnectionKind(ConnectionKind kind);
    void setText(Field field, const QString& text);
    // "Add Server" for a new profile, "Edit Server" for a stored one.
    QString title() const;

    // Name, host, port, address, latitude, longitude and the kind's text.
    QStringList formSnapshot() const;
    const QStringList& savedDraft() const { return m_savedDraft; }
    bool hasUnsavedChanges() const { return formSnapshot() != m_savedDraft; }
    bool valid() const;
    bool coordinatesValid() const;
    // Why the form may not be saved, in the order of the rules; empty while it may.
    QString invalidReason() const;

    // Loads a profile into the form, as stored.
    void select(const ServerProfile& profile);
    // An empty form for a new profile.
    void clearDraft();
    // Drops unsaved edits: the edited profile as stored again, or an empty form.
    void discardTransferDraft();

    // Guarded actions: each runs at once while nothing is unsaved, and otherwise waits as
    // `pendingAction` behind the "Unsaved details" alert.
    void chooseProfile(const ServerProfile& profile);
    void newServer();
    void removeProfile(const ServerProfile& profile);
    void exportSettings();
    void importSettings();
    void close();
    bool showUnsavedChanges() const { return m_showUnsavedChanges; }
    const std::optional<Action>& pendingAction() const { return m_pendingAction; }
    // "Keep editing".
    void keepEditing();
    // "Discard changes": runs the pending action.
    void discardChanges();

    // Saving: verify, look the site up, store, select and choose. Does nothing unless `valid`.
    void save();
    // "Save anyway" in the failure alert: stores what the failed check was given, unchecked,
    // for a server that is off now (set up ahead of a contest, a remote site).
    void saveAnyway();
    bool canSaveAnyway() const { return m_failedCandidate.has_value(); }
    // Where a profile saved while the tab kept its server can be opened; empty otherwise.
    const QString& savedElsewhere() const { return m_savedElsewhere; }
    // "Cancel check": nothing is stored and the form keeps its edits.
    void cancelCheck();
    bool checking() const { return m_checking; }
    const std::optional<QString>& validationError() const { return m_validationError; }
    // The "Could not save server" message.
    QString validationMessage() const;
    void dismissValidationError();

    // The settings transfer. `exportFileWanted` and `importFileWanted` ask the sheet for a file;
    // it answers with `exportTo` or `importFrom`, or not at all when the user cancels.
    void exportTo(const QString& fileName);
    void importFrom(const QString& fileName);
    const std::optional<SettingsBackup>& pendingImport() const { return m_pendingImport; }
    bool showImportConfirmation() const { return m_showImportConfirmation; }
    // The "Import saved settings?" question for the pending import.
    QString importQuestion() const;
    // "Import": replaces the saved configuration; "Cancel": drops the pending import.
    void confirmImport();
    void cancelImport();
    const std::optional<QString>& transferMessage() const { return m_transferMessage; }
    void dismissTransferMessage();

    // The export's file name: the settings file's name with today's date.
    static QString suggestedFileName();

Q_SIGNALS:
    // Any state above changed.
    void changed();
    void exportFileWanted(const QString& suggestedName);
    void importFileWanted();
    // "OK": the sheet closes.
    void closeRequested();

private:
    void guard(Action action);
    void run(const Action& action);
    ServerProfile candidate() const;
    void verified(const std::optional<ServerVerificationError>& error);
    void located(const QString& query, const QList<Place>& places);
    void lookupFailed(const QString& query, const QString& message);
    void fail(const QString& message);
    void store(ServerProfile profile);
    void startExport();
    void setTransferMessage(const QString& message);

    ServerProfiles& m_profiles;
    PlaceSearch& m_places;
    Choose m_choose;
    const Clock& m_clock;

    std::optional<QUuid> m_editingID;
    ConnectionKind m_connectionKind = ConnectionKind::ovVarnex;
    std::array<QString, 6> m_texts;
    QStringList m_savedDraft;

    bool m_showUnsavedChanges = false;
    std::optional<Action> m_pendingAction;

    bool m_checking = false;
    std::optional<QString> m_validationError;
    // The running check: the server verification, then the site lookup of `m_candidate`.
    QPointer<ServerVerification> m_verification;
    bool m_lookingUp = false;
    std::optional<ServerProfile> m_candidate;
    // What the last failed check was given, until its alert is answered.
    std::optional<ServerProfile> m_failedCandidate;
    QString m_savedElsewhere;

    std::optional<QByteArray> m_exportBytes;
    std::optional<SettingsBackup> m_pendingImport;
    bool m_showImportConfirmation = false;
    std::optional<QString> m_transferMessage;
};
