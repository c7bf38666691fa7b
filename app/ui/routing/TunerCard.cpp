#include "app/ui/routing/TunerCard.h"

#include "app/ui/routing/CardHeader.h"
#include "app/ui/routing/PositionRow.h"
#include "app/ui/routing/RoutingContext.h"
#include "app/ui/routing/ToneLabel.h"
#include "app/ui/routing/TunerCardState.h"
#include "app/ui/sheets/Confirmation.h"
#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TunerCard::TunerCard(KeltoClient& client, const QString& deviceName, QWidget* parent)
    : CardFrame(parent)
    , m_client(client)
    , m_deviceName(deviceName)
    , m_header(new CardHeader(this))
    , m_report(new ToneLabel(Tone::plain, this))
    , m_positions(new PositionRow(this))
    , m_rotorGrid(new QGridLayout)
{
    m_rotorGrid->setContentsMargins(0, 0, 0, 0);
    // Each tuner rotor takes two rows: its name and heading, then its buttons, so that longer
    // words in any language keep the buttons whole.
    m_rotorGrid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_header);
    layout->addWidget(m_report);
    layout->addWidget(m_positions);
    layout->addLayout(m_rotorGrid);
    layout->addStretch(1);

    connect(m_positions, &PositionRow::picked, this,
            [this](const PositionState& position) { m_client.selectTuner(m_deviceName, position.name); });
    refresh();
}

TunerCard::~TunerCard() = default;

void TunerCard::setEncoderPreview(std::optional<QString> position)
{
    if (position != m_encoderPreview) {
        m_encoderPreview = std::move(position);
        refresh();
    }
}

void TunerCard::refresh()
{
    TurvixTuner tuner;
    tuner.name = m_deviceName;
    tuner = m_client.station().tuners.value(m_deviceName, tuner);
    TunerCardState state = TunerCardState::of(tuner, RoutingContext::of(m_client), m_client.canControlTuner(tuner));
    PositionState::markPreview(state.positions, m_encoderPreview);

    m_header->setTitle(state.title);
    m_report->setText(state.report);
    m_report->setTone(state.reportTone);
    m_positions->setPositions(state.positions);

    if (tuner.rotors != m_rotorNames) {
        rebuildRotors(tuner.rotors);
    }
    for (qsizetype i = 0; i < m_rotorRows.size(); ++i) {
        const TunerCardState::RotorRow& rotor = state.rotors.at(i);
        const RotorRow& row = m_rotorRows.at(i);
        row.heading->setText(rotor.heading);
        row.counterclockwise->setEnabled(rotor.enabled);
        row.counterclockwise->setToolTip(rotor.counterclockwiseToolTip);
        row.clockwise->setEnabled(rotor.enabled);
        row.clockwise->setToolTip(rotor.clockwiseToolTip);
        row.calibrate->setEnabled(rotor.enabled);
        row.calibrate->setToolTip(rotor.calibrateToolTip);
    }
}

void TunerCard::rebuildRotors(const QStringList& names)
{
    // The rotor list changes only with a new tuner description from the server.
    for (const RotorRow& row : std::as_const(m_rotorRows)) {
        delete row.name;
        delete row.heading;
        delete row.counterclockwise;
        delete row.clockwise;
        delete row.calibrate;
    }
    m_rotorRows.clear();
    m_rotorNames = names;
    for (int i = 0; i < names.size(); ++i) {
        const QString& rotor = names.at(i);
        RotorRow row;
        row.name = PlainText::label(rotor, this);
        row.name->setWordWrap(true);
        row.heading = PlainText::label({}, this);
        row.heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rotorGrid->addWidget(row.name, 2 * i, 0, 1, 3);
        m_rotorGrid->addWidget(row.heading, 2 * i, 3);
        row.counterclockwise = addButton(tr("CCW"), tr("CCW %1").arg(rotor), 2 * i + 1, 0);
        row.clockwise = addButton(tr("CW"), tr("CW %1").arg(rotor), 2 * i + 1, 1);
        row.calibrate = addButton(tr("Calibrate…"), tr("Calibrate %1").arg(rotor), 2 * i + 1, 3);
        connect(row.counterclockwise, &QToolButton::clicked, this,
                [this, rotor] { m_client.adjustTuner(m_deviceName, rotor, false); });
        connect(row.clockwise, &QToolButton::clicked, this,
                [this, rotor] { m_client.adjustTuner(m_deviceName, rotor, true); });
        connect(row.calibrate, &QToolButton::clicked, this, [this, rotor] { askCalibration(rotor); });
        m_rotorRows.append(row);
    }
}

QToolButton* TunerCard::addButton(const QString& text, const QString& accessibleName, int row, int column)
{
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setAccessibleName(accessibleName);
    button->setEnabled(false);
    // The rotor's name wraps instead: the buttons keep their whole text.
    button->setSizePolicy(QSizePolicy::Minimum, button->sizePolicy().verticalPolicy());
    m_rotorGrid->addWidget(button, row, column);
    return button;
}

void TunerCard::askCalibration(const QString& rotor)
{
    Confirmation::ask(this, tr("Calibrate tuner rotor?"),
                      tr("Run the server’s calibration for %1 on %2.").arg(rotor, m_deviceName), tr("Calibrate"),
                      [this, rotor] { m_client.adjustTuner(m_deviceName, rotor); });
}
