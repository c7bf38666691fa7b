#pragma once

#include "app/integrations/IntegrationSettings.h"
#include "core/client/KeltoClient.h"
#include "core/integrations/LoggerEvent.h"
#include "core/model/Instant.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

class Clock;
class LoggerTransport;
class NativeKeyboard;
class PhidgetEncoder;
class PointAtTargets;
class RotctldServer;
class WsjtxListener;
class SettingsStore;

// The integration controller of one tab: turns logger events, key tokens and the rotary encoder
// into the guarded commands of the tab's client. Rotor turns and stops go to the rotor assigned
// to the logger's radio, frequency reports drive band automation of the switches and tuners
// assigned to a radio, and key tokens fire the server's key bindings. Events are always described and kept in
// the history; commands go out only while `enabled` is on and the client is connected, and the
// client's own guards still apply. Lives on the main thread.
//
// The encoder previews: turning it moves `encoderHeading` or `encoderSelection`, and only its
// button (or `applyEncoder`) sends the previewed command.
//
// Inputs hold the controller and the client weakly: an event that arrives after either is gone
// is dropped.
class StationIntegrations final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StationIntegrations)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(bool foreground READ foreground WRITE setForeground NOTIFY foregroundChanged)
    Q_PROPERTY(int focus READ focus NOTIFY focusChanged)
    Q_PROPERTY(QString lastEvent READ lastEvent NOTIFY lastEventChanged)
    Q_PROPERTY(QString eventHistory READ eventHistory NOTIFY eventHistoryChanged)
    Q_PROPERTY(QString endpoint READ endpoint NOTIFY endpointChanged)
    Q_PROPERTY(double encoderHeading READ encoderHeading NOTIFY encoderHeadingChanged)
    Q_PROPERTY(QString encoderSelection READ encoderSelection NOTIFY encoderSelectionChanged)

public:
    // An automatic selection repeated within this many seconds is not sent again.
    static constexpr double repeatSeconds = 3.0;

    // The store and the clock must outlive the controller.
    explicit StationIntegrations(SettingsStore& defaults, const Clock& clock = KeltoClient::systemClock(),
                                 QObject* parent = nullptr);
    ~StationIntegrations() override;

    const IntegrationSettings& settings() const { return m_settings; }
    // Edits stay in memory until the next `save()`.
    void setSettings(IntegrationSettings settings);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // The tab's point-at targets, which the "Turn short path" and "Turn long path" bindings turn to.
    void setPointAtTargets(PointAtTargets* targets);
    // Whether this tab is the selected one; key presses reach only that tab.
    bool foreground() const { return m_foreground; }
    void setForeground(bool foreground);
    // Last reported frequency per radio, in megahertz.
    const QMap<int, double>& frequencies() const { return m_frequencies; }
    int focus() const { return m_focus; }
    const QString& lastEvent() const { return m_lastEvent; }
    // One line per received event, oldest first: local time, " · ", the description. Only the
    // most recent `maxEventHistory`: anything that sends to a logger port could otherwise grow
    // it for as long as the program runs.
    static constexpr int maxEventHistory = 10'000;
    QString eventHistory() const;
    const QStringList& eventLines() const { return m_eventLines; }
    const QString& endpoint() const { return m_endpoint; }
    // The heading the encoder previews for an "R:" target, in degrees from 0 up to 360.
    double encoderHeading() const { return m_encoderHeading; }
    // The preset, tuner position or switch position the encoder previews.
    const QString& encoderSelection() const { return m_encoderSelection; }

    // The logger input and the keyboard UDP input; their `message` and `running` are shown in
    // the settings view.
    LoggerTransport& transport() { return *m_transport; }
    const LoggerTransport& transport() const { return *m_transport; }
    LoggerTransport& keyboardTransport() { return *m_keyboardTransport; }
    const LoggerTransport& keyboardTransport() const { return *m_keyboardTransport; }
    // The key monitors and the encoder, for the settings view's status and stop buttons.
    NativeKeyboard& keyboard() { return *m_keyboard; }
    const NativeKeyboard& keyboard() const { return *m_keyboard; }
    PhidgetEncoder& encoder() { return *m_encoder; }
    const PhidgetEncoder& encoder() const { return *m_encoder; }
    // The rotctld server of this tab, for the settings view's status.
    RotctldServer& rotctldServer() { return *m_rotctld; }
    const RotctldServer& rotctldServer() const { return *m_rotctld; }

    // Makes the record of `endpoint` current, stopping the inputs and commands of the previous
    // server. Loading the current endpoint again does nothing.
    void load(const QString& endpoint);
    // Stores the current record under the current endpoint; nothing without one.
    void save() const;
    // After the client's connection dropped: encoder stopped, commands off, radio data and
    // repeats forgotten.
    void reset();
    // Stops every input; before a settings import replaces the records.
    void stopInputs();
    // Stop one input each. The window's key monitor serves both a keyboard logger and the
    // keyboard input, so it stops only when neither is left running.
    void stopLogger();
    void stopKeyboard();

    // Saves the record and starts the configured logger input for `client`; a keyboard logger
    // also watches the main window's keys.
    void start(KeltoClient& client);
    // Saves the record and starts the key inputs for `client`: the main window's keys, other
    // programs' keys when `globalKeys` is on and permitted, and key tokens over UDP on
    // 127.0.0.1.
    void startKeyboard(KeltoClient& client);
    // Saves the record and starts the encoder for `client`; an "R:" target begins its preview
    // at the rotor's current heading.
    void startEncoder(KeltoClient& client);
    // Sends the previewed encoder command; nothing unless enabled and connected.
    void applyEncoder(KeltoClient& client);
    // Makes the rotctld server follow the record for `client`: listening while it is enabled,
    // restarted only when its address changed. The view calls it whenever a record is loaded.
    void serveRotctld(KeltoClient& client);
    // Turns the rotctld server on or off in the record, stores it and follows it.
    void startRotctld(KeltoClient& client);
    void stopRotctld();
    // Saves the record and listens for WSJT-X's messages: each Status puts its DX grid (else
    // its DX call) in the `wsjtxRotor` card's "Point at" field, and its dial frequency drives
    // band automation as radio A's frequency from a logger does.
    void startWsjtx(KeltoClient& client);
    void stopWsjtx();
    WsjtxListener& wsjtxListener() { return *m_wsjtx; }
    const WsjtxListener& wsjtxListener() const { return *m_wsjtx; }
    // "Listening on 127.0.0.1:2237", the failure, or "Not listening"; with the datagrams dropped.
    QString wsjtxMessage() const;

    // One event from any input.
    void receive(const LoggerEvent& event, KeltoClient& client);
    // A key token from a key press: taken only while this tab is in the foreground.
    void receiveKeyPress(const QString& token, KeltoClient& client);

    // False when the same position was sent under `key` less than `repeatSeconds` ago;
    // otherwise records it as sent now.
    bool shouldSend(const QString& key, const QString& position);

    // The description of an event shown as the last event and in the history.
    static QString describe(const LoggerEvent& event);

Q_SIGNALS:
    void wsjtxChanged();
    void settingsChanged();
    void enabledChanged(bool enabled);
    void foregroundChanged(bool foreground);
    void frequenciesChanged();
    void focusChanged(int focus);
    void lastEventChanged(const QString& lastEvent);
    void eventHistoryChanged();
    // The line just added to the history, for views that append rather than read it all again.
    void eventRecorded(const QString& line);
    void endpointChanged(const QString& endpoint);
    void encoderHeadingChanged(double encoderHeading);
    void encoderSelectionChanged(const QString& encoderSelection);
    // The encoder button or Apply sent the previewed command (while enabled and connected);
    // views stop showing the preview until the encoder turns again.
    void encoderApplied();

private:
    QPointer<PointAtTargets> m_pointAtTargets;

    // Hands every event of `source` to `receive` with `client`, replacing the previous route.
    void route(LoggerTransport& source, QMetaObject::Connection& connection, KeltoClient& client);
    void record(const LoggerEvent& event);
    void automateBands(KeltoClient& client, int radio, double mhz);
    bool takesPart(int assignment, int radio) const;
    void turnOrStop(const LoggerEvent& event, KeltoClient& client);
    void applyBindings(const QString& token, KeltoClient& client);
    void applyBinding(const KeyBinding& binding, KeltoClient& client);
    void setFocus(int radio);
    void forgetRadios();
    // The key handler of the monitors; it holds the client weakly.
    std::function<void(const QString& token)> keyHandler(KeltoClient& client);
    void turnEncoder(qint64 delta, KeltoClient& client);
    // The entries an encoder target chooses among; nothing for a missing device or a target
    // without a list.
    std::optional<QStringList> encoderChoices(const QString& target, const KeltoClient& client) const;
    void setEncoderHeading(double heading);
    void setEncoderSelection(const QString& selection);

    SettingsStore& m_defaults;
    const Clock& m_clock;

    IntegrationSettings m_settings;
    bool m_enabled = false;
    bool m_foreground = true;
    QMap<int, double> m_frequencies;
    int m_focus = 1;
    QString m_lastEvent;
    QStringList m_eventLines;
    QString m_endpoint;
    // Automatic selections sent, by device key ("S:" or "T:" + name): position and time.
    QHash<QString, std::pair<QString, Instant>> m_lastCommands;

    LoggerTransport* m_transport;
    LoggerTransport* m_keyboardTransport;
    QMetaObject::Connection m_loggerRoute;
    QMetaObject::Connection m_keyboardRoute;

    NativeKeyboard* m_keyboard;
    PhidgetEncoder* m_encoder;
    RotctldServer* m_rotctld;
    WsjtxListener* m_wsjtx;
    QString m_wsjtxMessage;
    // The DX call of WSJT-X's last status, so that only a new one turns a rotor.
    QString m_wsjtxCall;
    QMetaObject::Connection m_encoderDelta;
    QMetaObject::Connection m_encoderPress;
    double m_encoderHeading = 0.0;
    QString m_encoderSelection;
};
