#pragma once

#include "app/integrations/IntegrationSettings.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class KeltoClient;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;
class StationIntegrations;

// What the sections of the integrations sheet share: the controller whose record they edit, the
// client whose station they name, and two flags that keep filling and editing apart. Also the
// small builders the sections are made from, so that they read alike.
class IntegrationEditor final {
    Q_DECLARE_TR_FUNCTIONS(IntegrationEditor)

public:
    // Both must outlive the editor.
    IntegrationEditor(StationIntegrations& integrations, KeltoClient& client);

    StationIntegrations& integrations;
    KeltoClient& client;
    // Set while fields are filled from the record, so that filling is not taken for editing.
    bool filling = false;
    // Set while a section writes the record, so that its own edit is not shown back.
    bool editing = false;

    // Applies one edit to the controller's record; nothing while filling.
    void edit(const std::function<void(IntegrationSettings&)>& change);

    // The start and stop buttons of one input (logger, keyboard, encoder…) with its status line
    // beside them.
    struct InputControls {
        QPushButton* start = nullptr;
        QPushButton* stop = nullptr;
        QLabel* status = nullptr;
        QHBoxLayout* row = nullptr;
    };

    static QLineEdit* field(const QString& name, const QString& toolTip, QWidget* parent);
    static QComboBox* picker(const QString& name, const QString& toolTip, QWidget* parent);
    // Writes a field only when its text differs, so the cursor of a field being typed in stays.
    static void setText(QLineEdit* edit, const QString& text);
    // A status line with the stop button beside it, enabled while the input runs.
    static void setStatus(QPushButton* stop, QLabel* status, const QString& message, bool running,
                          const QString& stoppedWhy);
    static InputControls inputControls(const QString& startText, const QString& stopText, const QString& statusName,
                                       const QString& startHelp, QWidget* parent);
    // A titled box; `layout` receives its layout.
    static QWidget* section(QWidget* parent, QVBoxLayout*& layout, const QString& title);
};
