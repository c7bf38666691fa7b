#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per settings store: two workspaces on one store would overwrite each
// other's restoration lists and snapshots. The first instance listens on a local socket named
// after the store; a later one tells it to come to the front and ends.
class SingleInstance final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    // `scope` names the settings store (its folder or file), so another store may run beside.
    explicit SingleInstance(const QString& scope, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance on the same store answered and was asked to come forward.
    bool notifyRunning();
    // Starts listening for later instances; false when the socket cannot be made.
    bool listen();

    const QString& socketName() const { return m_name; }

Q_SIGNALS:
    // A later instance asked this one to show its window.
    void activationRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
