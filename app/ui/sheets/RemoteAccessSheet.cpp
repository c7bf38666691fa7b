#include "app/ui/sheets/RemoteAccessSheet.h"

#include "app/remote/RemoteDevices.h"
#include "app/remote/RemoteServer.h"
#include "app/ui/sheets/SheetParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <qrencode.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int idRole = Qt::UserRole;

QString seenText(Instant at)
{
    return QLocale().toString(at.toDateTime().toLocalTime(), QLocale::ShortFormat);
}

// This computer's own addresses a phone could reach, loopback first.
QList<SheetParts::Choice> addressChoices()
{
    QList<SheetParts::Choice> choices{
        {QCoreApplication::translate("RemoteAccessSheet", "This computer only (127.0.0.1)"), u"127.0.0.1"_s}};
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.isLoopback() || address.isLinkLocal() || address.isMulticast()) {
            continue;
        }
        const QString text = address.toString();
        choices.append({QCoreApplication::translate("RemoteAccessSheet", "The network, at %1").arg(text), text});
    }
    return choices;
}

} // namespace

RemoteAccessSheet::RemoteAccessSheet(RemoteServer& server, QWidget* parent)
    : QDialog(parent)
    , m_server(server)
    , m_enabled(SheetParts::checkBox(tr("Serve the remote page"),
                                     tr("Phones and tablets that are paired watch the station and, in the Control "
                                        "role, turn rotors and select antennas."),
                                     this))
    , m_address(new QComboBox(this))
    , m_port(new QSpinBox(this))
    , m_certificate(new QLineEdit(this))
    , m_privateKey(new QLineEdit(this))
    , m_status(new QLabel(this))
    , m_url(new QLabel(this))
    , m_qr(new QLabel(this))
    , m_code(new QLabel(this))
    , m_devices(new QTreeWidget(this))
    , m_rename(SheetParts::button(tr("Rename…"), tr("Give the selected device another name."), this))
    , m_role(SheetParts::button(tr("Change role"), tr("Switch the selected device between Watch and Control."), this))
    , m_revoke(SheetParts::button(tr("Revoke"), tr("Unpair the selected device and close its page at once."), this))
{
    setWindowTitle(tr("Remote access"));
    m_port->setRange(1, 65535);
    m_port->setAccessibleName(tr("Port"));
    m_address->setAccessibleName(tr("Listen on"));
    for (QLabel* label : {m_status, m_url, m_code}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QFont big = m_code->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    m_code->setFont(big);
    m_qr->setAlignment(Qt::AlignCenter);
    m_qr->setMinimumSize(180, 180);
    m_devices->setHeaderLabels({tr("Device"), tr("Role"), tr("Page open"), tr("Paired"), tr("Last seen")});
    m_devices->setRootIsDecorated(false);
    m_devices->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    auto* form = new QFormLayout;
    form->addRow(tr("Listen on"), m_address);
    form->addRow(tr("Port"), m_port);
    m_certificate->setPlaceholderText(tr("None: plain HTTP"));
    m_privateKey->setPlaceholderText(tr("None: plain HTTP"));
    form->addRow(tr("TLS certificate (PEM)"),
                 pathRow(m_certificate, tr("TLS certificate"), tr("Choose the TLS certificate file.")));
    form->addRow(tr("TLS private key (PEM)"),
                 pathRow(m_privateKey, tr("TLS private key"), tr("Choose the TLS private key file.")));

    auto* codeColumn = new QVBoxLayout;
    codeColumn->addWidget(SheetParts::title(tr("Open on the phone"), this));
    codeColumn->addWidget(m_url);
    codeColumn->addWidget(SheetParts::title(tr("Pairing code"), this));
    codeColumn->addWidget(m_code);
    codeColumn->addWidget(SheetParts::note(tr("Type it on the page within five minutes, or scan the QR code: it "
                                              "carries the code too. A new code comes after five wrong tries."),
                                           this));
    codeColumn->addStretch();
    auto* codeRow = new QHBoxLayout;
    codeRow->addLayout(codeColumn, 1);
    codeRow->addWidget(m_qr);

    auto* deviceButtons = new QHBoxLayout;
    deviceButtons->addWidget(m_rename);
    deviceButtons->addWidget(m_role);
    deviceButtons->addStretch();
    deviceButtons->addWidget(m_revoke);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(SheetParts::note(
        tr("Without TLS anyone on the network can read the traffic between the page and this computer, the pairing "
           "code and the device tokens included. Open it to the network only on one you trust, or choose a "
           "certificate and key: the page is then served over HTTPS only."),
        this));
    layout->addLayout(codeRow);
    layout->addWidget(SheetParts::title(tr("Paired devices"), this));
    layout->addWidget(m_devices, 1);
    layout->addLayout(deviceButtons);
    layout->addWidget(buttons);
    resize(620, 640);

    const RemoteSettings& settings = m_server.settings();
    m_enabled->setChecked(settings.enabled);
    SheetParts::setChoices(m_address, addressChoices(), settings.address);
    m_port->setValue(settings.port);
    m_certificate->setText(settings.certificate);
    m_privateKey->setText(settings.privateKey);
    connect(m_certificate, &QLineEdit::editingFinished, this, &RemoteAccessSheet::apply);
    connect(m_privateKey, &QLineEdit::editingFinished, this, &RemoteAccessSheet::apply);
    connect(m_enabled, &QCheckBox::toggled, this, &RemoteAccessSheet::apply);
    connect(m_address, &QComboBox::currentIndexChanged, this, &RemoteAccessSheet::apply);
    connect(m_port, &QSpinBox::editingFinished, this, &RemoteAccessSheet::apply);
    connect(m_rename, &QPushButton::clicked, this, &RemoteAccessSheet::rename);
    connect(m_role, &QPushButton::clicked, this, &RemoteAccessSheet::toggleRole);
    connect(m_revoke, &QPushButton::clicked, this, &RemoteAccessSheet::revoke);
    connect(m_devices, &QTreeWidget::itemSelectionChanged, this, &RemoteAccessSheet::refresh);
    connect(&m_server, &RemoteServer::stateChanged, this, &RemoteAccessSheet::refresh);
    connect(&m_server, &RemoteServer::pairingCodeChanged, this, &RemoteAccessSheet::refresh);
    connect(&m_server, &RemoteServer::connectionsChanged, this, &RemoteAccessSheet::refreshDevices);
    connect(&m_server.devices(), &RemoteDevices::devicesChanged, this, &RemoteAccessSheet::refreshDevices);
    refreshDevices();
}

RemoteAccessSheet::~RemoteAccessSheet() = default;

QImage RemoteAccessSheet::qrCode(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) {
        return {};
    }
    constexpr int quiet = 4;
    const int size = code->width + 2 * quiet;
    QImage image(size, size, QImage::Format_Mono);
    image.fill(0);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The low bit of each module tells dark from light.
            if (code->data[y * code->width + x] & 1) {
                image.setPixel(x + quiet, y + quiet, 1);
            }
        }
    }
    return image;
}

QWidget* RemoteAccessSheet::pathRow(QLineEdit* field, const QString& title, const QString& chooseHelp)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    field->setAccessibleName(title);
    layout->addWidget(field, 1);
    QPushButton* choose = SheetParts::button(tr("Choose…"), chooseHelp, row);
    layout->addWidget(choose);
    connect(choose, &QPushButton::clicked, this, [this, field, title] {
        const QString path = QFileDialog::getOpenFileName(this, title, field->text(),
                                                          tr("PEM files (*.pem *.crt *.key);;All files (*)"));
        if (!path.isEmpty()) {
            field->setText(path);
            apply();
        }
    });
    return row;
}

void RemoteAccessSheet::apply()
{
    RemoteSettings settings;
    settings.enabled = m_enabled->isChecked();
    settings.address = SheetParts::value(m_address);
    settings.port = static_cast<quint16>(m_port->value());
    settings.certificate = m_certificate->text().trimmed();
    settings.privateKey = m_privateKey->text().trimmed();
    if (settings != m_server.settings()) {
        m_server.setSettings(settings);
    }
    refresh();
}

void RemoteAccessSheet::refresh()
{
    m_status->setText(m_server.message());
    const QString url = m_server.url();
    const bool running = !url.isEmpty();
    m_url->setText(running ? url : u"—"_s);
    if (running) {
        const QString code = m_server.pairingCode();
        m_code->setText(code);
        m_code->setAccessibleName(tr("Pairing code %1").arg(code));
        const QImage image = qrCode(url + u"#code="_s + code);
        m_qr->setPixmap(QPixmap::fromImage(image.scaled(image.size() * 5)));
        m_qr->setAccessibleName(tr("QR code of %1").arg(url));
    } else {
        m_code->setText(u"—"_s);
        m_qr->clear();
    }
    const bool selected = !selectedDevice().isEmpty();
    m_rename->setEnabled(selected);
    m_role->setEnabled(selected);
    m_revoke->setEnabled(selected);
}

void RemoteAccessSheet::refreshDevices()
{
    const QString current = selectedDevice();
    const QSet<QUuid> open = m_server.connectedDevices();
    m_devices->clear();
    for (const PairedDevice& device : m_server.devices().devices()) {
        // Item views show their text as it is; nothing is read as markup.
        auto* item = new QTreeWidgetItem(m_devices, {device.name, PairedDevice::roleName(device.role),
                                                     open.contains(device.id) ? tr("Yes") : tr("No"),
                                                     seenText(device.firstSeen), seenText(device.lastSeen)});
        const QString id = device.id.toString();
        item->setData(0, idRole, id);
        if (id == current) {
            m_devices->setCurrentItem(item);
        }
    }
    refresh();
}

QString RemoteAccessSheet::selectedDevice() const
{
    const QTreeWidgetItem* item = m_devices->currentItem();
    return item && item->isSelected() ? item->data(0, idRole).toString() : QString();
}

void RemoteAccessSheet::rename()
{
    const QUuid id = QUuid::fromString(selectedDevice());
    const std::optional<PairedDevice> device = m_server.devices().device(id);
    if (!device) {
        return;
    }
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Rename device"), tr("Name"), QLineEdit::Normal, device->name, &ok);
    if (ok) {
        m_server.devices().rename(id, name);
    }
}

void RemoteAccessSheet::toggleRole()
{
    const QUuid id = QUuid::fromString(selectedDevice());
    if (const std::optional<PairedDevice> device = m_server.devices().device(id)) {
        m_server.devices().setRole(id, device->role == PairedDevice::Role::control ? PairedDevice::Role::watch
                                                                                   : PairedDevice::Role::control);
    }
}

void RemoteAccessSheet::revoke()
{
    m_server.devices().revoke(QUuid::fromString(selectedDevice()));
}
