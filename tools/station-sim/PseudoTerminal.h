#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The controller's end of a POSIX pseudo-terminal in raw mode; a client opens `devicePath()` as
// if it were a serial port. The device side stays open here as well, so the controller end
// never sees a hang-up while no client has the device open.
class PseudoTerminal final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PseudoTerminal)

public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    bool open();
    void close();
    bool isOpen() const { return m_controller >= 0; }
    // For example /dev/pts/3; empty while closed.
    QString devicePath() const { return m_devicePath; }
    QString errorString() const { return m_error; }

    // What the terminal cannot take now (nobody reading the device) is dropped, as a serial
    // line would lose it.
    void write(const QByteArray& bytes);

Q_SIGNALS:
    void dataReceived(const QByteArray& bytes);

private:
    bool fail(const QString& what);
    void readAvailable();

    int m_controller = -1;
    int m_device = -1;
    QString m_devicePath;
    QString m_error;
    QSocketNotifier* m_notifier = nullptr;
};
