#pragma once

#include <QWidget>

class QPlainTextEdit;
class QStackedLayout;
class QLabel;
class StationWorkspace;

// The connection and command log of every tab, as one window: monospaced, selectable, always
// scrolled to the newest line. It only shows the workspace's log and never edits it.
class LiveLogView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LiveLogView)

public:
    static const QString windowName;

    explicit LiveLogView(StationWorkspace& workspace, QWidget* parent = nullptr);
    ~LiveLogView() override;

    // The log as shown: the lines joined by line feeds.
    QString text() const;

private:
    void reload();
    void append(const QStringList& lines);
    void scrollToLatest();
    void showEmptyState();

    StationWorkspace& m_workspace;
    QStackedLayout* m_stack;
    QLabel* m_empty;
    QPlainTextEdit* m_text;
};
