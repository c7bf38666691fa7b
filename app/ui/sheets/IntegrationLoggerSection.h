#pragma once

#include "app/ui/sheets/SheetParts.h"

#include <QList>
#include <QWidget>

class IntegrationEditor;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The logger input of the integrations sheet: the logger program and where it listens, its start and stop, and the
// rotors that radio A's and B's rotor commands turn.
class IntegrationLoggerSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationLoggerSection)

public:
    // The editor must outlive the section.
    explicit IntegrationLoggerSection(IntegrationEditor& editor, QWidget* parent = nullptr);
    ~IntegrationLoggerSection() override;

    // Copies the record into the fields.
    void showSettings();
    // The station's rotors for the radio A and B pickers.
    void showRotors(const QList<SheetParts::Choice>& rotors);

private:
    QWidget* buildLogger();
    void refreshLogger();
    void stopLogger();
    IntegrationEditor& m_editor;

    QCheckBox* m_enabled = nullptr;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_station = nullptr;
    QLabel* m_listenHelp = nullptr;
    QPushButton* m_stopLogger = nullptr;
    QLabel* m_loggerStatus = nullptr;
    QComboBox* m_rotorA = nullptr;
    QComboBox* m_rotorB = nullptr;
};
