#include "app/ui/station/StationWorkspaceView.h"

#include "app/ui/station/StationView.h"
#include "app/ui/station/TabStrip.h"
#include "app/ui/style/Icons.h"
#include "app/ui/style/PlainText.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

StationWorkspaceView::StationWorkspaceView(StationWorkspace& workspace, TileLoader* tiles, QWidget* parent)
    : QWidget(parent)
    , m_workspace(workspace)
    , m_tiles(tiles)
    , m_strip(new QWidget)
    , m_tabs(new TabStrip)
    , m_closeTab(new QPushButton(Icons::icon(u"close"_s), tr("Close server tab")))
    , m_stack(new QStackedWidget)
{
    m_strip->setBackgroundRole(QPalette::Window);
    auto* stripLayout = new QHBoxLayout(m_strip);
    stripLayout->setContentsMargins(12, 6, 12, 2);
    stripLayout->setSpacing(6);
    m_tabs->setAccessibleName(tr("Server tabs"));
    stripLayout->addWidget(m_tabs, 1);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (const QUuid id(m_tabs->tabData(index).toString()); !id.isNull()) {
            m_workspace.select(id);
        }
    });
    stripLayout->addWidget(m_closeTab);
    m_closeTab->setAccessibleName(tr("Close server tab"));
    m_closeTab->setToolTip(tr("Disconnect and close the selected server tab."));
    connect(m_closeTab, &QPushButton::clicked, this, [this] {
        if (const std::optional<QUuid>& id = m_workspace.selected()) {
            m_workspace.close(m_workspace.session(*id));
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_strip);
    layout->addWidget(m_stack, 1);

    connect(&m_workspace, &StationWorkspace::sessionsChanged, this, &StationWorkspaceView::syncSessions);
    connect(&m_workspace, &StationWorkspace::selectedChanged, this, &StationWorkspaceView::syncSelection);
    connect(&m_workspace, &StationWorkspace::changed, this, &StationWorkspaceView::syncStrip);
    connect(&m_workspace, &StationWorkspace::duplicateConnectionChanged, this,
            &StationWorkspaceView::showDuplicateAlert);
    syncSessions();
}

StationWorkspaceView::~StationWorkspaceView() = default;

StationView* StationWorkspaceView::currentView() const
{
    return qobject_cast<StationView*>(m_stack->currentWidget());
}

bool StationWorkspaceView::stripVisible() const
{
    return !m_strip->isHidden();
}

void StationWorkspaceView::setCountryData(CountryData* countries)
{
    m_countries = countries;
    for (StationView* view : std::as_const(m_views)) {
        view->setCountryData(countries);
    }
}

void StationWorkspaceView::syncSessions()
{
    const QList<StationSession*>& sessions = m_workspace.sessions();
    QHash<QUuid, StationView*> kept;
    for (StationSession* session : sessions) {
        StationView* view = m_views.take(session->id());
        if (!view) {
            view = new StationView(session->client(), m_workspace.profiles(), m_workspace.defaults(),
                                   m_workspace.callbacks(session));
            view->setTileLoader(m_tiles);
            view->setCountryData(m_countries);
            connect(view, &StationView::logRequested, this, &StationWorkspaceView::logRequested);
            connect(session, &StationSession::nameChanged, this, &StationWorkspaceView::syncStrip);
            connect(&session->client(), &KeltoClient::connectingChanged, this, &StationWorkspaceView::syncStrip);
            m_stack->addWidget(view);
        }
        kept.insert(session->id(), view);
    }
    // Closed tabs: their clients are already disconnected by the workspace.
    for (StationView* view : std::as_const(m_views)) {
        m_stack->removeWidget(view);
        view->deleteLater();
    }
    m_views = kept;
    // The tab count decides whether "Additional Server" is offered.
    for (StationView* view : std::as_const(m_views)) {
        view->scheduleRefresh();
    }
    syncSelection();
}

void StationWorkspaceView::syncSelection()
{
    const std::optional<QUuid>& selected = m_workspace.selected();
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it) {
        const bool current = selected && *selected == it.key();
        if (current) {
            m_stack->setCurrentWidget(it.value());
        }
        it.value()->setForeground(current);
    }
    syncStrip();
}

void StationWorkspaceView::syncStrip()
{
    const QList<StationSession*>& sessions = m_workspace.sessions();
    m_strip->setVisible(sessions.size() >= 2);

    const std::optional<QUuid>& selected = m_workspace.selected();
    const QSignalBlocker quiet(m_tabs);
    while (m_tabs->count() > sessions.size()) {
        m_tabs->removeTab(m_tabs->count() - 1);
    }
    for (qsizetype index = 0; index < sessions.size(); ++index) {
        const StationSession* session = sessions.at(index);
        // The name tells the tabs apart; the state follows it unless the tab is live.
        const KeltoClient& client = session->client();
        const QString title = client.connected()    ? session->name()
                              : client.connecting() ? tr("%1 · connecting").arg(session->name())
                                                    : tr("%1 · disconnected").arg(session->name());
        const int tab = static_cast<int>(index);
        if (tab >= m_tabs->count()) {
            m_tabs->addTab(PlainText::mnemonicSafe(title));
        }
        m_tabs->setTabText(tab, PlainText::mnemonicSafe(title));
        m_tabs->setTabData(tab, session->id().toString());
        m_tabs->setTabToolTip(tab, session->name());
        if (selected && *selected == session->id()) {
            m_tabs->setCurrentIndex(tab);
        }
    }
    m_tabs->update();
    const bool firstSelected = !sessions.isEmpty() && selected && *selected == sessions.first()->id();
    m_closeTab->setVisible(sessions.size() >= 2 && selected && !firstSelected);
}

void StationWorkspaceView::showDuplicateAlert()
{
    const std::optional<QString>& message = m_workspace.duplicateConnection();
    if (!message) {
        if (m_alert) {
            m_alert->close();
        }
        return;
    }
    if (m_alert) {
        m_alert->setInformativeText(*message);
        return;
    }
    m_alert =
        new QMessageBox(QMessageBox::Information, tr("Server already open"), *message, QMessageBox::NoButton, this);
    m_alert->setAttribute(Qt::WA_DeleteOnClose);
    m_alert->setWindowModality(Qt::WindowModal);
    m_alert->setText(tr("Server already open"));
    m_alert->setInformativeText(*message);
    QPushButton* ok = m_alert->addButton(tr("OK"), QMessageBox::RejectRole);
    ok->setAccessibleName(tr("OK"));
    m_alert->setEscapeButton(ok);
    connect(m_alert, &QMessageBox::finished, this, [this] { m_workspace.clearDuplicateConnection(); });
    m_alert->open();
}
