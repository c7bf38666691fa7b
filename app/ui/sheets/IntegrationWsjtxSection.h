#pragma once

#include "app/ui/sheets/SheetParts.h"

#include <QList>
#include <QWidget>

class IntegrationEditor;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The WSJT-X input of the integrations sheet: where its UDP messages arrive, the rotor whose
// "Point at" field follows the DX call and grid, its start and stop, and the datagrams dropped.
class IntegrationWsjtxSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationWsjtxSection)

public:
    // The editor must outlive the section.
    explicit IntegrationWsjtxSection(IntegrationEditor& editor, QWidget* parent = nullptr);
    ~IntegrationWsjtxSection() override;

    void showSettings();
    // The station's rotors for the followed-rotor picker.
    void showRotors(const QList<SheetParts::Choice>& rotors);

private:
    void refresh();

    IntegrationEditor& m_editor;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QComboBox* m_rotor = nullptr;
    QPushButton* m_stop = nullptr;
    QLabel* m_status = nullptr;
};
