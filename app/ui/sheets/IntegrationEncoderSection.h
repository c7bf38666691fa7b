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
class QSpinBox;

// The rotary encoder of the integrations sheet: the device, what it turns or chooses among, its start and stop, and the
// preview with Apply.
class IntegrationEncoderSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationEncoderSection)

public:
    // The editor must outlive the section.
    explicit IntegrationEncoderSection(IntegrationEditor& editor, QWidget* parent = nullptr);
    ~IntegrationEncoderSection() override;

    void showSettings();
    // The station's devices, for the target picker.
    void showDevices(const QList<SheetParts::Choice>& devices);

private:
    QWidget* buildEncoder();
    void refreshEncoder();
    QList<SheetParts::Choice> encoderTargets() const;
    IntegrationEditor& m_editor;

    QList<SheetParts::Choice> m_devices;
    bool m_previewApplied = false;
    QLineEdit* m_encoderSerial = nullptr;
    QSpinBox* m_encoderChannel = nullptr;
    QSpinBox* m_buttonChannel = nullptr;
    DecimalSpinBox* m_encoderStep = nullptr;
    QComboBox* m_encoderTarget = nullptr;
    QPushButton* m_stopEncoder = nullptr;
    QPushButton* m_apply = nullptr;
    QLabel* m_encoderStatus = nullptr;
    QLabel* m_encoderPreview = nullptr;
};
