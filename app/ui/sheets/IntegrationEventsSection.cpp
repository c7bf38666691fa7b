#include "app/ui/sheets/IntegrationEventsSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/LocaleText.h"
#include "core/client/KeltoClient.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

IntegrationEventsSection::IntegrationEventsSection(IntegrationEditor& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildEvents());
    m_eventsTimer.setSingleShot(true);
    m_eventsTimer.setInterval(16);
    connect(&m_eventsTimer, &QTimer::timeout, this, &IntegrationEventsSection::refreshEvents);
    m_events->setPlainText(m_editor.integrations.eventLines().join(u'\n'));
    refreshEvents();
    connect(&m_editor.integrations, &StationIntegrations::eventRecorded, this, [this](const QString& line) {
        m_pendingEvents.append(line);
        if (!m_eventsTimer.isActive()) {
            m_eventsTimer.start();
        }
    });
}

IntegrationEventsSection::~IntegrationEventsSection() = default;

QWidget* IntegrationEventsSection::buildEvents()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = IntegrationEditor::section(this, layout, tr("Received integration events"));
    m_noEvents = SheetParts::note(tr("No events received"), box);
    m_events = new QPlainTextEdit(box);
    m_events->setReadOnly(true);
    m_events->setAccessibleName(tr("Received integration events"));
    m_events->setToolTip(tr("The logger events and key tokens this server’s inputs received, oldest first (the last "
                            "%1).")
                             .arg(LocaleText::count(StationIntegrations::maxEventHistory)));
    m_events->setMinimumHeight(120);
    m_events->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_events->setMaximumBlockCount(StationIntegrations::maxEventHistory);
    layout->addWidget(m_noEvents);
    layout->addWidget(m_events);
    return box;
}

void IntegrationEventsSection::refreshEvents()
{
    if (!m_pendingEvents.isEmpty()) {
        m_events->appendPlainText(m_pendingEvents.join(u'\n'));
        m_pendingEvents.clear();
        m_events->verticalScrollBar()->setValue(m_events->verticalScrollBar()->maximum());
    }
    const bool none = m_editor.integrations.eventLines().isEmpty();
    m_noEvents->setVisible(none);
    m_events->setVisible(!none);
}
