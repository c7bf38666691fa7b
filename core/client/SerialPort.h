#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QThread;
class SerialPortWorker;

// A POSIX serial device for a KT-90 controller: opened exclusively in raw 8N1, read as bytes
// arrive, written without blocking through a bounded queue with a one-second drain deadline.
// All work on the descriptor runs on the port's own thread "org.orvane.serial"; the handlers
// are called there too, so the owner hops to its own thread before touching its state.
class SerialPort final {
public:
    using ReceiveHandler = std::function<void(const QByteArray&)>;
    using FailureHandler = std::function<void(const QString&)>;

    static constexpr int readChunkBytes = 8192;
    static constexpr qsizetype outputLimitBytes = 65536;
    static constexpr int writeDeadlineMilliseconds = 1000;
    static constexpr int retryMilliseconds = 10;

    static bool supportedBaud(int baud);

    // Opens and configures the device; fails with the sentence to show.
    static ProtocolResult<std::shared_ptr<SerialPort>> open(const QString& path, int baud, ReceiveHandler receive,
                                                            FailureHandler failure);

    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Both return at once and may be called from any thread.
    void send(const QByteArray& data);
    void cancel();

private:
    SerialPort(int fd, ReceiveHandler receive, FailureHandler failure);

    std::unique_ptr<QThread> m_thread;
    QPointer<SerialPortWorker> m_worker;
};
