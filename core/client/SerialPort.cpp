#include "core/client/SerialPort.h"

#include "core/client/SerialPortWorker.h"

#include <QCoreApplication>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

speed_t lineSpeed(int baud)
{
    switch (baud) {
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

} // namespace

bool SerialPort::supportedBaud(int baud)
{
    return lineSpeed(baud) != B0;
}

ProtocolResult<std::shared_ptr<SerialPort>> SerialPort::open(const QString& path, int baud, ReceiveHandler receive,
                                                             FailureHandler failure)
{
    if (!path.startsWith(u"/dev/"_s) || !supportedBaud(baud)) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("SerialPort", "Choose a /dev/ serial port and a supported baud rate."));
    }
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return ProtocolFailure::invalid(QCoreApplication::translate("SerialPort", "Cannot open serial port: %1")
                                            .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    termios attributes{};
    if (::isatty(fd) != 1 || ::ioctl(fd, TIOCEXCL) != 0 || ::tcgetattr(fd, &attributes) != 0) {
        ::close(fd);
        return ProtocolFailure::invalid(
            QCoreApplication::translate("SerialPort", "Serial port is unavailable or already in use."));
    }
    ::cfmakeraw(&attributes);
    ::cfsetispeed(&attributes, lineSpeed(baud));
    ::cfsetospeed(&attributes, lineSpeed(baud));
    attributes.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    attributes.c_cflag |= CS8 | CREAD | CLOCAL;
    if (::tcsetattr(fd, TCSANOW, &attributes) != 0) {
        ::close(fd);
        return ProtocolFailure::invalid(QCoreApplication::translate("SerialPort", "Cannot configure serial port."));
    }
    return std::shared_ptr<SerialPort>(new SerialPort(fd, std::move(receive), std::move(failure)));
}

SerialPort::SerialPort(int fd, ReceiveHandler receive, FailureHandler failure)
    : m_thread(std::make_unique<QThread>())
{
    m_thread->setObjectName(u"org.orvane.serial"_s);
    auto* worker = new SerialPortWorker(fd, std::move(receive), std::move(failure));
    worker->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, worker, &QObject::deleteLater);
    m_worker = worker;
    m_thread->start();
    QMetaObject::invokeMethod(worker, &SerialPortWorker::start, Qt::QueuedConnection);
}

SerialPort::~SerialPort()
{
    cancel();
    m_thread->quit();
    m_thread->wait();
}

void SerialPort::send(const QByteArray& data)
{
    QPointer<SerialPortWorker> worker = m_worker;
    QMetaObject::invokeMethod(
        worker,
        [worker, data] {
            if (worker) {
                worker->send(data);
            }
        },
        Qt::QueuedConnection);
}

void SerialPort::cancel()
{
    QPointer<SerialPortWorker> worker = m_worker;
    QMetaObject::invokeMethod(
        worker,
        [worker] {
            if (worker) {
                worker->cancel();
            }
        },
        Qt::QueuedConnection);
}
