#pragma once

#include "core/client/SerialPort.h"

#include <QDeadlineTimer>
#include <QObject>

class QSocketNotifier;

// The half of a serial port that lives on the port's thread and alone touches the descriptor.
class SerialPortWorker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SerialPortWorker)

public:
    SerialPortWorker(int fd, SerialPort::ReceiveHandler receive, SerialPort::FailureHandler failure);
    ~SerialPortWorker() override;

    // Called on the port's thread only.
    void start();
    void send(const QByteArray& data);
    void cancel();

private:
    void readAvailable();
    void drain(QDeadlineTimer deadline);
    void closeDescriptor();

    int m_fd;
    SerialPort::ReceiveHandler m_receive;
    SerialPort::FailureHandler m_failure;
    QSocketNotifier* m_notifier = nullptr;
    bool m_stopped = false;
    bool m_writing = false;
    QByteArray m_outgoing;
};
