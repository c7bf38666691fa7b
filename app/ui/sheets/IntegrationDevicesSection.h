#pragma once

#include "app/ui/sheets/SheetParts.h"

#include <QWidget>

class IntegrationEditor;
class QVBoxLayout;

// The frequency-driven devices of the integrations sheet: which radio's frequency moves each switch and tuner.
class IntegrationDevicesSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationDevicesSection)

public:
    // The editor must outlive the section.
    explicit IntegrationDevicesSection(IntegrationEditor& editor, QWidget* parent = nullptr);
    ~IntegrationDevicesSection() override;

    // Builds the rows again for the station's switches and tuners.
    void showDevices();

private:
    QWidget* buildDevices();
    void rebuildRadioRows();
    IntegrationEditor& m_editor;

    QVBoxLayout* m_radioSection = nullptr;
    QWidget* m_radioBox = nullptr;
};
