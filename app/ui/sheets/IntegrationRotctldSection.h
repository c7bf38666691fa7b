#pragma once

#include "app/ui/sheets/SheetParts.h"

#include <QList>
#include <QWidget>

class IntegrationEditor;
class QComboBox;
class DecimalSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The rotctld server of the integrations sheet: where it listens, the rotor it serves, park heading and re-aim
// tolerance, its start and stop.
class IntegrationRotctldSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationRotctldSection)

public:
    // The editor must outlive the section.
    explicit IntegrationRotctldSection(IntegrationEditor& editor, QWidget* parent = nullptr);
    ~IntegrationRotctldSection() override;

    void showSettings();
    // The station's rotors for the served-rotor picker.
    void showRotors(const QList<SheetParts::Choice>& rotors);

private:
    QWidget* buildRotctld();
    void refreshRotctld();
    IntegrationEditor& m_editor;

    QLineEdit* m_rotctldHost = nullptr;
    QLineEdit* m_rotctldPort = nullptr;
    QComboBox* m_rotctldRotor = nullptr;
    DecimalSpinBox* m_rotctldPark = nullptr;
    DecimalSpinBox* m_rotctldTolerance = nullptr;
    QPushButton* m_stopRotctld = nullptr;
    QLabel* m_rotctldStatus = nullptr;
};
