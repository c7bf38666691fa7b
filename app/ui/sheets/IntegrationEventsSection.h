#pragma once

#include "app/ui/sheets/SheetParts.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

class IntegrationEditor;
class QLabel;
class QPlainTextEdit;

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
