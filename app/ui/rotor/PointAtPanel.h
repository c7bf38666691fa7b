#pragma once

#include "app/map/PointAtTargets.h"
#include "app/profiles/RotorLocation.h"
#include "app/ui/rotor/PointAtState.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class CountryData;
class KeltoClient;
class QCheckBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QStringListModel;
class QToolButton;

// A rotor card's "Point at" section: a call sign, prefix or locator, where it is, the short- and
// long-path controller headings from this tower, and the two buttons that turn there through the
// client's guarded turn. Nothing moves until a button (or Return) is pressed.
class PointAtPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PointAtPanel)

public:
    // The client must outlive the panel.
    PointAtPanel(KeltoClient& client, const QString& rotorName, QWidget* parent = nullptr);
    ~PointAtPanel() override;

    // The application's country file (none resolves only locators) and the tab's targets, which
    // the field follows and writes; both outlive the panel, or are replaced before they go.
    void setServices(CountryData* countries, PointAtTargets* targets);
    void setLocation(const std::optional<RotorLocation>& location);
    // The client's turn guard for this rotor as the card last saw it.
    void setTurnGuard(bool canTurn, const QString& refusal);

    const PointAtState& state() const { return m_state; }
    void refresh();

    // Turns through the client's guards; false when the state offers no such turn or the client refused it.
    bool turnShortPath();
    bool turnLongPath();

protected:
    void changeEvent(QEvent* event) override;

private:
    PointAtTargets::Aim aim() const;
    void followTargets(const QString& rotor);
    void loadCallList();
    void applyColors();

    KeltoClient& m_client;
    QString m_rotorName;
    QPointer<CountryData> m_countries;
    QPointer<PointAtTargets> m_targets;
    std::optional<RotorLocation> m_location;
    bool m_canTurn = false;
    QString m_refusal;
    PointAtState m_state;

    QLineEdit* m_field = nullptr;
    QStringListModel* m_callModel = nullptr;
    QCompleter* m_completer = nullptr;
    QLabel* m_place = nullptr;
    QLabel* m_source = nullptr;
    QLabel* m_shortPath = nullptr;
    QLabel* m_longPath = nullptr;
    QLabel* m_warning = nullptr;
    QToolButton* m_turnShort = nullptr;
    QToolButton* m_turnLong = nullptr;
    QCheckBox* m_turnOnNewCall = nullptr;
};
