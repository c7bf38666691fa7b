#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class RemoteServer;

// The "Remote access" sheet: the switch of the remote page, the address it listens on, what to
// open on the phone (as text and as a QR code that carries the pairing code too), the current
// pairing code, and the paired devices with their roles. Follows the server while open.
class RemoteAccessSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RemoteAccessSheet)

public:
    // The server must outlive the sheet.
    explicit RemoteAccessSheet(RemoteServer& server, QWidget* parent = nullptr);
    ~RemoteAccessSheet() override;

    // The QR code of `text` with one module per pixel and the quiet zone; null when it cannot be
    // encoded.
    static QImage qrCode(const QString& text);

private:
    void apply();
    // A file picker beside a path field; choosing a file applies the settings.
    QWidget* pathRow(QLineEdit* field, const QString& title, const QString& chooseHelp);
    void refresh();
    void refreshDevices();
    void rename();
    void toggleRole();
    void revoke();
    QString selectedDevice() const;

    RemoteServer& m_server;
    QCheckBox* m_enabled;
    QComboBox* m_address;
    QSpinBox* m_port;
    QLineEdit* m_certificate;
    QLineEdit* m_privateKey;
    QLabel* m_status;
    QLabel* m_url;
    QLabel* m_qr;
    QLabel* m_code;
    QTreeWidget* m_devices;
    QPushButton* m_rename;
    QPushButton* m_role;
    QPushButton* m_revoke;
};
