#include "app/ui/routing/SwitchCard.h"

#include "app/ui/routing/CardHeader.h"
#include "app/ui/routing/DirectionalSwitchView.h"
#include "app/ui/routing/PositionRow.h"
#include "app/ui/routing/RoutingContext.h"
#include "app/ui/routing/SwitchCardState.h"
#include "app/ui/routing/ToneLabel.h"
#include "core/client/KeltoClient.h"

#include <QVBoxLayout>

SwitchCard::SwitchCard(KeltoClient& client, const QString& deviceName, QWidget* parent)
    : CardFrame(parent)
    , m_client(client)
    , m_deviceName(deviceName)
    , m_header(new CardHeader(this))
    , m_reported(new ToneLabel(Tone::plain, this))
    , m_unsupported(new ToneLabel(Tone::secondary, this))
    , m_dial(new DirectionalSwitchView(this))
    , m_positions(new PositionRow(this))
{
    m_reported->setWordWrap(true);
    m_unsupported->setVisible(false);
    m_dial->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_header);
    layout->addWidget(m_reported);
    layout->addWidget(m_unsupported);
    layout->addWidget(m_dial, 0, Qt::AlignHCenter);
    layout->addWidget(m_positions);
    layout->addStretch(1);

    connect(m_dial, &DirectionalSwitchView::picked, this, &SwitchCard::select);
    connect(m_positions, &PositionRow::picked, this, &SwitchCard::select);
    refresh();
}

SwitchCard::~SwitchCard() = default;

void SwitchCard::setEncoderPreview(std::optional<QString> position)
{
    if (position != m_encoderPreview) {
        m_encoderPreview = std::move(position);
        refresh();
    }
}

void SwitchCard::refresh()
{
    AntennaSwitch antennaSwitch;
    antennaSwitch.name = m_deviceName;
    antennaSwitch = m_client.station().switches.value(m_deviceName, antennaSwitch);
    SwitchCardState state =
        SwitchCardState::of(antennaSwitch, RoutingContext::of(m_client),
                            [&](const QString& position) { return m_client.canSelectSwitch(antennaSwitch, position); });
    PositionState::markPreview(state.positions, m_encoderPreview);

    m_header->setTitle(state.title);
    m_header->setNote(state.serverStatus);
    m_reported->setText(state.reported);
    m_reported->setTone(state.reportedTone);
    m_unsupported->setText(state.unsupported);
    m_unsupported->setVisible(!state.unsupported.isEmpty());

    QList<PositionState> onDial;
    QList<PositionState> inRow;
    for (const PositionState& position : state.positions) {
        (state.directional && position.bearing ? onDial : inRow).append(position);
    }
    m_dial->setPositions(onDial);
    m_dial->setVisible(!onDial.isEmpty());
    m_positions->setPositions(inRow);
}

void SwitchCard::select(const PositionState& position)
{
    m_client.selectSwitch(m_deviceName, position.name, position.sendEnabled);
}
