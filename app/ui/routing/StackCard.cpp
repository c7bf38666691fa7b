#include "app/ui/routing/StackCard.h"

#include "app/ui/routing/CardHeader.h"
#include "app/ui/routing/RoutingContext.h"
#include "app/ui/routing/StackCardState.h"
#include "core/client/KeltoClient.h"

#include <QPushButton>
#include <QVBoxLayout>

StackCard::StackCard(KeltoClient& client, const QString& deviceName, QWidget* parent)
    : CardFrame(parent)
    , m_client(client)
    , m_deviceName(deviceName)
    , m_header(new CardHeader(this))
    , m_action(new QPushButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_header);
    layout->addWidget(m_action, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(m_action, &QPushButton::clicked, this, [this] { m_client.setStack(m_deviceName, m_turnOn); });
    refresh();
}

StackCard::~StackCard() = default;

void StackCard::refresh()
{
    StackOutput stack;
    stack.name = m_deviceName;
    stack = m_client.station().stacks.value(m_deviceName, stack);
    const StackCardState state = StackCardState::of(stack, RoutingContext::of(m_client), m_client.canSetStack(stack));

    m_header->setTitle(state.title);
    m_header->setNote(state.status);
    m_turnOn = state.turnOn;
    m_action->setText(state.action);
    m_action->setAccessibleName(state.actionName);
    m_action->setToolTip(state.actionToolTip);
    m_action->setEnabled(state.enabled);
}
