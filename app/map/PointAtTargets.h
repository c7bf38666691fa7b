#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class KeltoClient;

// What each rotor of one tab is pointed at: the text of its "Point at" field, whoever set it (the
// operator, WSJT-X), and the controller headings its card worked out for it, so that key
// bindings and other sources turn to the same target the card shows.
class PointAtTargets final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PointAtTargets)

public:
    // Longer text is cut: nothing this long is a call, prefix or locator.
    static constexpr qsizetype maxLength = 64;

    // The resolved target as the card shows it.
    struct Aim {
        // "JA1ABC", "JO62"; empty while nothing resolves.
        QString name;
        std::optional<double> shortHeading;
        std::optional<double> longHeading;

        bool operator==(const Aim&) const = default;
    };

    explicit PointAtTargets(QObject* parent = nullptr);
    ~PointAtTargets() override;

    QString text(const QString& rotor) const { return m_texts.value(rotor); }
    void setText(const QString& rotor, const QString& text);

    // "Turn when the DX call changes": off for every rotor until its card's switch is set.
    bool turnsOnNewCall(const QString& rotor) const { return m_turnsOnNewCall.contains(rotor); }
    void setTurnsOnNewCall(const QString& rotor, bool on);

    Aim aim(const QString& rotor) const { return m_aims.value(rotor); }
    void setAim(const QString& rotor, const Aim& aim);

    // Turns the rotor along one path of the aim through the client's guarded turn, the log line
    // saying why ("Turn requested: Tower → 52.3° (short path to JA1ABC)"); false when the aim has
    // no such heading or the client refused.
    static bool turn(KeltoClient& client, const QString& rotor, const Aim& aim, bool longPath);

Q_SIGNALS:
    void textChanged(const QString& rotor);
    void turnsOnNewCallChanged(const QString& rotor);

private:
    QHash<QString, QString> m_texts;
    QHash<QString, Aim> m_aims;
    QSet<QString> m_turnsOnNewCall;
};
