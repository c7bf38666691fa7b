#pragma once

#include "app/profiles/ProfileManager.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class FileDialogs;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPushButton;
class QToolButton;

// The server editor sheet over a `ProfileManager`: the saved servers, the form of the one being
// added or edited, the settings transfer, the overlay while a save is checked, and the alerts
// the manager raises. Opened with open(); "OK" or Escape asks the manager to close it.
class ProfileManagerDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProfileManagerDialog)

public:
    // `files` chooses the settings files; the system's file dialogs when it is null. Not owned.
    explicit ProfileManagerDialog(ProfileManager& manager, QWidget* parent = nullptr, FileDialogs* files = nullptr);
    ~ProfileManagerDialog() override;

    ProfileManager& manager() const { return m_manager; }

    // Escape: cancels a running check, and otherwise is "OK".
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class AlertKind { none, unsavedChanges, validationError, importConfirmation, transferMessage };

    QWidget* buildList();
    QWidget* buildForm();
    QWidget* buildTransfer();
    void buildOverlay();
    QLineEdit* addField(QFormLayout* form, ProfileManager::Field field, const QString& label, const QString& help);

    void refresh();
    void rebuildList();
    void syncSelection();
    void listSelectionChanged();
    void colourWarnings();
    AlertKind dueAlert() const;
    void syncAlert();
    QMessageBox* openAlert(AlertKind kind);

    ProfileManager& m_manager;
    std::unique_ptr<FileDialogs> m_systemFiles;
    FileDialogs* m_files;

    QWidget* m_content = nullptr;
    QListWidget* m_list = nullptr;
    QToolButton* m_remove = nullptr;
    QLabel* m_title = nullptr;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLabel* m_portLabel = nullptr;
    QList<std::pair<ProfileManager::Field, QLineEdit*>> m_fields;
    QLabel* m_coordinateWarning = nullptr;
    QLabel* m_savedElsewhere = nullptr;
    QPushButton* m_save = nullptr;
    QWidget* m_overlay = nullptr;
    QPushButton* m_cancelCheck = nullptr;

    QPointer<QMessageBox> m_alert;
    AlertKind m_alertKind = AlertKind::none;
};
