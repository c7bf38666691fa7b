#include "app/ui/profiles/ProfileManagerDialog.h"

#include "app/map/NominatimPlaceSearch.h"
#include "app/profiles/ServerProfiles.h"
#include "app/ui/profiles/Alert.h"
#include "app/ui/profiles/SystemFileDialogs.h"
#include "app/ui/style/Icons.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* heading(const QString& text, double scale = 1.0)
{
    auto* label = PlainText::label(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

QLabel* note(const QString& text)
{
    auto* label = PlainText::label(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QPushButton* button(const QString& text, const QString& help)
{
    auto* pushButton = new QPushButton(text);
    pushButton->setAccessibleName(text);
    pushButton->setToolTip(help);
    pushButton->setAutoDefault(false);
    return pushButton;
}

// Translated where shown: a translator is installed only after this file's statics are made.
const char* const hostPlaceholder = QT_TRANSLATE_NOOP("ProfileManagerDialog", "Hostname or IP address");
const char* const serialPlaceholder = QT_TRANSLATE_NOOP("ProfileManagerDialog", "/dev/ttyUSB0 serial device");

} // namespace

ProfileManagerDialog::ProfileManagerDialog(ProfileManager& manager, QWidget* parent, FileDialogs* files)
    : QDialog(parent)
    , m_manager(manager)
    , m_systemFiles(files ? nullptr : std::make_unique<SystemFileDialogs>())
    , m_files(files ? files : m_systemFiles.get())
{
    setWindowModality(Qt::WindowModal);
    setMinimumSize(760, 560);

    m_content = new QWidget(this);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(18);
    columns->addWidget(buildList());
    columns->addWidget(buildForm(), 1);

    auto* done = button(tr("OK"), tr("Close the server editor."));
    connect(done, &QPushButton::clicked, &m_manager, &ProfileManager::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildTransfer(), 1);
    bottom->addWidget(done, 0, Qt::AlignBottom);

    auto* contentLayout = new QVBoxLayout(m_content);
    contentLayout->addLayout(columns, 1);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    contentLayout->addWidget(rule);
    contentLayout->addLayout(bottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_content);
    buildOverlay();

    connect(&m_manager, &ProfileManager::changed, this, &ProfileManagerDialog::refresh);
    connect(&m_manager.profiles(), &ServerProfiles::itemsChanged, this, &ProfileManagerDialog::rebuildList);
    connect(&m_manager, &ProfileManager::closeRequested, this, &QDialog::accept);
    connect(&m_manager, &ProfileManager::exportFileWanted, this, [this](const QString& suggestedName) {
        m_files->saveJson(this, tr("Export Settings"), suggestedName,
                          [manager = QPointer(&m_manager)](const QString& fileName) {
                              if (manager) {
                                  manager->exportTo(fileName);
                              }
                          });
    });
    connect(&m_manager, &ProfileManager::importFileWanted, this, [this] {
        m_files->openJson(this, tr("Import Settings"), [manager = QPointer(&m_manager)](const QString& fileName) {
            if (manager) {
                manager->importFrom(fileName);
            }
        });
    });

    rebuildList();
    colourWarnings();
    refresh();
}

ProfileManagerDialog::~ProfileManagerDialog()
{
    // The manager may be a child of this sheet and outlive its widgets by a moment.
    disconnect(&m_manager, nullptr, this, nullptr);
    if (m_alert) {
        m_alert->done(QDialog::Rejected);
    }
}

QWidget* ProfileManagerDialog::buildList()
{
    auto* column = new QWidget;
    column->setFixedWidth(250);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* caption = note(tr("Connect to any compatible OV Varnex server. Rotators are discovered automatically."));
    m_list = new QListWidget;
    m_list->setAccessibleName(tr("Servers"));
    m_list->setToolTip(tr("Saved servers, in the order they were added. Choose one to edit it."));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Selection, not the current row: a list taking focus makes its first row current unasked.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ProfileManagerDialog::listSelectionChanged);

    auto* add = new QToolButton;
    add->setIcon(Icons::icon(u"plus"_s));
    add->setText(tr("New server"));
    add->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    add->setAccessibleName(tr("New server"));
    add->setToolTip(tr("Start a new server profile."));
    connect(add, &QToolButton::clicked, &m_manager, &ProfileManager::newServer);

    m_remove = new QToolButton;
    m_remove->setIcon(Icons::icon(u"trash"_s));
    m_remove->setAccessibleName(tr("Remove saved server"));
    connect(m_remove, &QToolButton::clicked, this, [this] {
        if (const std::optional<QUuid>& id = m_manager.editingID()) {
            if (const std::optional<ServerProfile> profile = m_manager.profiles().profile(*id)) {
                m_manager.removeProfile(*profile);
            }
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch(1);
    buttons->addWidget(m_remove);

    layout->addWidget(heading(tr("Servers")));
    layout->addWidget(caption);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    return column;
}

QLineEdit* ProfileManagerDialog::addField(QFormLayout* form, ProfileManager::Field field, const QString& label,
                                          const QString& help)
{
    auto* edit = new QLineEdit;
    edit->setAccessibleName(label);
    edit->setToolTip(help);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { m_manager.setText(field, text); });
    m_fields.append({field, edit});
    form->addRow(label, edit);
    return edit;
}

QWidget* ProfileManagerDialog::buildForm()
{
    using Field = ProfileManager::Field;
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    m_title = heading(QString(), 1.2);

    auto* server = new QFormLayout;
    QLineEdit* name =
        addField(server, Field::name, tr("Profile name"), tr("The name shown in the server menu and on the tab."));
    // The sheet opens on an empty form, ready for a new server.
    name->setFocus();
    m_kind = new QComboBox;
    for (const ConnectionKind kind : ConnectionKinds::all()) {
        m_kind->addItem(ConnectionKinds::text(kind), QVariant::fromValue(static_cast<int>(kind)));
    }
    m_kind->setAccessibleName(tr("Connection type"));
    m_kind->setToolTip(tr("How this computer reaches the station: an OV Varnex server, a KT-90 controller over "
                          "TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld."));
    connect(m_kind, &QComboBox::activated, this, [this](int index) {
        m_manager.setConnectionKind(static_cast<ConnectionKind>(m_kind->itemData(index).toInt()));
    });
    server->addRow(tr("Connection type"), m_kind);
    m_host = addField(server, Field::host, tr("Host"), QString());
    m_port = addField(server, Field::port, tr("Port"), QString());
    m_portLabel = qobject_cast<QLabel*>(server->labelForField(m_port));

    auto* site = new QFormLayout;
    addField(site, Field::address, tr("Street address"),
             tr("The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved."));
    addField(site, Field::latitude, tr("Latitude (−85…85)"), tr("Site latitude in degrees, from −85 to 85."));
    addField(site, Field::longitude, tr("Longitude (−180…180)"), tr("Site longitude in degrees, from −180 to 180."));

    m_coordinateWarning = PlainText::label(tr("Enter both coordinates within the shown ranges."));
    m_coordinateWarning->setWordWrap(true);
    auto* attribution = new QLabel(
        u"<a href=\"%1\">%2</a>"_s.arg(NominatimPlaceSearch::copyrightAddress, NominatimPlaceSearch::attribution));
    PlainText::markOwnRichText(attribution);
    attribution->setOpenExternalLinks(true);
    attribution->setToolTip(tr("Addresses are looked up in OpenStreetMap data. Open its copyright page."));

    m_savedElsewhere = note(QString());
    m_savedElsewhere->setTextFormat(Qt::PlainText);
    m_savedElsewhere->hide();
    m_save = button(tr("Save"), QString());
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, &m_manager, &ProfileManager::save);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    saveRow->addWidget(m_save);

    layout->addWidget(m_title);
    layout->addLayout(server);
    layout->addSpacing(8);
    layout->addWidget(heading(tr("Site Location (optional)")));
    layout->addLayout(site);
    layout->addWidget(m_coordinateWarning);
    layout->addWidget(note(tr("Coordinates provide the starting map location for this server’s rotors. Adjust each "
                              "tower on the main screen; existing tower positions are preserved. Address-only entries "
                              "are looked up with OpenStreetMap when saved.")));
    layout->addWidget(attribution);
    layout->addStretch(1);
    layout->addWidget(m_savedElsewhere);
    layout->addLayout(saveRow);
    return column;
}

QWidget* ProfileManagerDialog::buildTransfer()
{
    auto* area = new QWidget;
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* exportButton = button(tr("Export…"), tr("Save all saved server settings to a settings file."));
    auto* importButton =
        button(tr("Import…"), tr("Replace the saved settings with those of a settings file, after asking."));
    connect(exportButton, &QPushButton::clicked, &m_manager, &ProfileManager::exportSettings);
    connect(importButton, &QPushButton::clicked, &m_manager, &ProfileManager::importSettings);
    layout->addWidget(note(tr("Export includes all saved server settings, locations, presets, layouts and "
                              "integrations. Passwords remain in the system keychain.")),
                      1);
    layout->addWidget(exportButton);
    layout->addWidget(importButton);
    return area;
}

void ProfileManagerDialog::buildOverlay()
{
    m_overlay = new QWidget(this);
    m_overlay->setAutoFillBackground(true);
    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    auto* busy = new QProgressBar;
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    busy->setAccessibleName(tr("Checking"));
    auto* text = PlainText::label(tr("Checking server and site location…"));
    m_cancelCheck = button(tr("Cancel check"), tr("Stop checking. Nothing is saved and your edits stay."));
    connect(m_cancelCheck, &QPushButton::clicked, &m_manager, &ProfileManager::cancelCheck);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(24, 18, 24, 18);
    panelLayout->addWidget(text, 0, Qt::AlignHCenter);
    panelLayout->addWidget(busy);
    panelLayout->addWidget(m_cancelCheck, 0, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(m_overlay);
    layout->addStretch(1);
    layout->addWidget(panel, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    m_overlay->hide();
}

void ProfileManagerDialog::reject()
{
    if (m_manager.checking()) {
        m_manager.cancelCheck();
    } else {
        m_manager.close();
    }
}

void ProfileManagerDialog::closeEvent(QCloseEvent* event)
{
    // The window's close button asks like "OK"; the manager closes the sheet when it may.
    if (isVisible()) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}

void ProfileManagerDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_overlay->setGeometry(rect());
}

void ProfileManagerDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        colourWarnings();
    }
    QDialog::changeEvent(event);
}

void ProfileManagerDialog::colourWarnings()
{
    QPalette warning = m_coordinateWarning->palette();
    warning.setColor(QPalette::WindowText, StationColors::orange(palette()));
    m_coordinateWarning->setPalette(warning);
    QPalette veil = palette();
    veil.setColor(QPalette::Window, StationColors::faded(palette().color(QPalette::Window), 0.85));
    m_overlay->setPalette(veil);
}

void ProfileManagerDialog::rebuildList()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const ServerProfile& profile : m_manager.profiles().items()) {
        auto* item = new QListWidgetItem(profile.name, m_list);
        item->setToolTip(profile.endpoint());
        item->setData(Qt::UserRole, profile.id);
    }
    syncSelection();
}

void ProfileManagerDialog::syncSelection()
{
    // The list shows the profile being edited, also after a choice that waits behind an alert.
    const QSignalBlocker blocker(m_list);
    const std::optional<QUuid>& editing = m_manager.editingID();
    for (int row = 0; row < m_list->count(); ++row) {
        if (editing && m_list->item(row)->data(Qt::UserRole).toUuid() == *editing) {
            m_list->setCurrentRow(row);
            return;
        }
    }
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
}

void ProfileManagerDialog::listSelectionChanged()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    QListWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    const std::optional<ServerProfile> profile =
        item ? m_manager.profiles().profile(item->data(Qt::UserRole).toUuid()) : std::nullopt;
    if (profile && profile->id != m_manager.editingID()) {
        m_manager.chooseProfile(*profile);
    }
    syncSelection();
}

void ProfileManagerDialog::refresh()
{
    // Fields take the manager's texts only when they differ, which typing never makes them do:
    // a profile was loaded or the form emptied.
    for (const auto& [field, edit] : std::as_const(m_fields)) {
        if (edit->text() != m_manager.text(field)) {
            edit->setText(m_manager.text(field));
        }
    }
    m_kind->setCurrentIndex(m_kind->findData(static_cast<int>(m_manager.connectionKind())));

    const QString title = m_manager.title();
    m_title->setText(title);
    setWindowTitle(title);

    const bool serial = m_manager.connectionKind() == ConnectionKind::kt90Serial;
    m_host->setPlaceholderText(tr(serial ? serialPlaceholder : hostPlaceholder));
    m_host->setToolTip(serial ? tr("Path of the controller’s serial device, such as /dev/ttyUSB0.")
                              : tr("Host name or IP address of the station server, KT-90 controller or rotctld."));
    const QString portName = serial ? tr("Baud") : tr("Port");
    m_portLabel->setText(portName);
    m_port->setAccessibleName(portName);
    m_port->setToolTip(serial ? tr("Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.")
                              : tr("TCP or UDP port of the server, from 1 to 65535."));
    const bool rotctld = m_manager.connectionKind() == ConnectionKind::hamlibRotctld;
    m_port->setPlaceholderText(rotctld ? tr("4533, rotctld’s usual port") : QString());
    m_coordinateWarning->setVisible(!m_manager.coordinatesValid());

    m_savedElsewhere->setText(m_manager.savedElsewhere());
    m_savedElsewhere->setVisible(!m_manager.savedElsewhere().isEmpty());

    const bool valid = m_manager.valid();
    m_save->setEnabled(valid);
    m_save->setToolTip(valid ? tr("Check that the server answers, then save this profile.")
                             : m_manager.invalidReason());

    const bool stored = m_manager.editingID() && m_manager.profiles().profile(*m_manager.editingID());
    m_remove->setEnabled(stored);
    m_remove->setToolTip(stored ? tr("Remove saved server") : tr("Choose a saved server to remove it."));
    syncSelection();

    const bool checking = m_manager.checking();
    m_content->setEnabled(!checking);
    m_overlay->setGeometry(rect());
    m_overlay->setVisible(checking);
    if (checking) {
        m_overlay->raise();
        m_cancelCheck->setFocus();
    }
    syncAlert();
}

ProfileManagerDialog::AlertKind ProfileManagerDialog::dueAlert() const
{
    if (m_manager.showUnsavedChanges()) {
        return AlertKind::unsavedChanges;
    }
    if (m_manager.validationError()) {
        return AlertKind::validationError;
    }
    if (m_manager.showImportConfirmation()) {
        return AlertKind::importConfirmation;
    }
    if (m_manager.transferMessage()) {
        return AlertKind::transferMessage;
    }
    return AlertKind::none;
}

void ProfileManagerDialog::syncAlert()
{
    const AlertKind due = dueAlert();
    if (m_alert && m_alertKind == due) {
        return;
    }
    if (m_alert) {
        m_alert->done(QDialog::Rejected);
    }
    m_alertKind = due;
    m_alert = due == AlertKind::none ? nullptr : openAlert(due);
}

QMessageBox* ProfileManagerDialog::openAlert(AlertKind kind)
{
    // Every answer first forgets the alert, so the state it changes can raise the next one.
    const auto answer = [this](void (ProfileManager::*action)()) {
        return [this, action] {
            m_alert = nullptr;
            m_alertKind = AlertKind::none;
            (m_manager.*action)();
            refresh();
        };
    };
    switch (kind) {
    case AlertKind::unsavedChanges:
        return Alert::open(
            this, QMessageBox::Warning, tr("Unsaved details"),
            tr("Your changes have not been saved. Keep editing to save them, or discard them to "
               "continue."),
            {{tr("Keep editing"), QMessageBox::RejectRole, answer(&ProfileManager::keepEditing)},
             {tr("Discard changes"), QMessageBox::DestructiveRole, answer(&ProfileManager::discardChanges)}});
    case AlertKind::validationError: {
        // The check stays the usual path: "OK" is the default, saving unchecked a choice.
        QList<Alert::Button> buttons{
            {tr("OK"), QMessageBox::RejectRole, answer(&ProfileManager::dismissValidationError)}};
        if (m_manager.canSaveAnyway()) {
            // Not an acceptance: Return keeps to OK, the checked path.
            buttons.append({tr("Save anyway"), QMessageBox::ActionRole, answer(&ProfileManager::saveAnyway)});
        }
        return Alert::open(this, QMessageBox::Warning, tr("Could not save server"), m_manager.validationMessage(),
                           buttons);
    }
    case AlertKind::importConfirmation:
        return Alert::open(this, QMessageBox::Question, tr("Import saved settings?"), m_manager.importQuestion(),
                           {{tr("Cancel"), QMessageBox::RejectRole, answer(&ProfileManager::cancelImport)},
                            {tr("Import"), QMessageBox::AcceptRole, answer(&ProfileManager::confirmImport)}});
    case AlertKind::transferMessage:
        return Alert::open(this, QMessageBox::Information, tr("Settings transfer"),
                           m_manager.transferMessage().value_or(QString()),
                           {{tr("OK"), QMessageBox::AcceptRole, answer(&ProfileManager::dismissTransferMessage)}});
    case AlertKind::none:
        break;
    }
    return nullptr;
}
