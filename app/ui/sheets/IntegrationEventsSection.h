#pragma once

#include "app/ui/sheets/SheetParts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUuid>
#include <QWidget>

#include <functional>

class IntegrationEditor;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
struct KeyBinding;

// The events the tab's inputs received, oldest first; a flooding logger gets one append per frame, not one per
// datagram.
class IntegrationEventsSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationEventsSection)

public:
    // The editor must outlive the section.
    explicit IntegrationEventsSection(IntegrationEditor& editor, QWidget* parent = nullptr);
    ~IntegrationEventsSection() override;

private:
    QWidget* buildEvents();
    void refreshEvents();
    IntegrationEditor& m_editor;

    QStringList m_pendingEvents;
    QTimer m_eventsTimer;
    QPlainTextEdit* m_events = nullptr;
    QLabel* m_noEvents = nullptr;
};
