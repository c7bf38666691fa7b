#include "app/ui/shell/MainWindow.h"

#include "app/integrations/keyboard/NativeKeyboard.h"
#include "app/map/CountryData.h"
#include "app/ui/sheets/CountryFileSheet.h"
#include "app/ui/shell/LiveLogView.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/ui/style/Icons.h"
#include "app/ui/style/PlainText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

MainWindow::MainWindow(StationWorkspace& workspace, TileLoader* tiles, QWidget* parent)
    : QMainWindow(parent)
    , m_workspace(workspace)
    , m_workspaceView(new StationWorkspaceView(workspace, tiles))
{
    // The key monitor recognises the window by this name.
    setObjectName(NativeKeyboard::mainWindowName);
    setWindowTitle(tr("Xalto Station Control"));
    setWindowIcon(Icons::application());
    setCentralWidget(m_workspaceView);
    resize(960, 870);
    connect(m_workspaceView, &StationWorkspaceView::logRequested, this, &MainWindow::showLog);
    buildMenus();
}

LiveLogView* MainWindow::logWindow() const
{
    return m_log;
}

MainWindow::~MainWindow()
{
    delete m_log;
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* settings = file->addAction(tr("&Settings…"), this, &MainWindow::settingsRequested);
    settings->setShortcut(QKeySequence::Preferences);
    settings->setMenuRole(QAction::PreferencesRole);
    QAction* quit = file->addAction(tr("&Quit"), this, &MainWindow::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->addAction(tr("Connection &log"), this, &MainWindow::showLog);
    window->addAction(tr("&World map"), this, [this] {
        if (StationView* view = m_workspaceView->currentView()) {
            view->openWorldMap();
        }
    });
    window->addAction(tr("&Remote access…"), this, &MainWindow::remoteAccessRequested);
    window->addAction(tr("&Country file…"), this, [this] {
        if (m_countries) {
            auto* sheet = new CountryFileSheet(*m_countries, this);
            sheet->setAttribute(Qt::WA_DeleteOnClose);
            sheet->open();
        }
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About Xalto Station Control"), this, &MainWindow::showAbout);
    about->setMenuRole(QAction::AboutRole);
}

void MainWindow::setCountryData(CountryData* countries)
{
    m_countries = countries;
    m_workspaceView->setCountryData(countries);
}

void MainWindow::showLog()
{
    if (!m_log) {
        // A window of its own, not a child: it has its own place on the desktop and its own close.
        m_log = new LiveLogView(m_workspace);
        m_log->setAttribute(Qt::WA_DeleteOnClose);
        m_log->setWindowIcon(Icons::application());
    }
    m_log->show();
    m_log->raise();
    m_log->activateWindow();
}

void MainWindow::showAbout()
{
    auto* box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(tr("About Xalto Station Control"));
    box->setIconPixmap(Icons::application().pixmap(64, 64));
    box->setTextFormat(Qt::RichText);
    box->setText(tr("<b>Xalto Station Control</b><br>Version %1").arg(QString::fromUtf8(XALTO_VERSION_DESCRIBED)));
    box->setInformativeText(
        tr("Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners."
           "<br><br>Free software under the GNU General Public License, version 3 or later.<br>"
           "Map data and place search © <a href=\"https://www.openstreetmap.org/copyright\">OpenStreetMap "
           "contributors</a>.<br>World map land: Made with <a href=\"https://www.naturalearthdata.com/\">Natural "
           "Earth</a>.<br>Built with Qt %1, running on Qt %2.")
            .arg(QString::fromLatin1(QT_VERSION_STR), QString::fromLatin1(qVersion())));
    for (QLabel* label : box->findChildren<QLabel*>()) {
        PlainText::markOwnRichText(label);
    }
    box->addButton(QMessageBox::Close);
    box->open();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_log) {
        m_log->close();
    }
    QMainWindow::closeEvent(event);
}
