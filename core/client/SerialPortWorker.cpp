#include "core/client/SerialPortWorker.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

SerialPortWorker::SerialPortWorker(int fd, SerialPort::ReceiveHandler receive, SerialPort::FailureHandler failure)
    : m_fd(fd)
    , m_receive(std::move(receive))
    , m_failure(std::move(failure))
{}

SerialPortWorker::~SerialPortWorker()
{
    closeDescriptor();
}

void SerialPortWorker::start()
{
    if (m_stopped || m_fd < 0) {
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SerialPortWorker::readAvailable);
}

void SerialPortWorker::readAvailable()
{
    char buffer[SerialPort::readChunkBytes];
    const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
    if (count > 0) {
        m_receive(QByteArray(buffer, static_cast<qsizetype>(count)));
        return;
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    // End of file stays readable forever; report it once and let the owner cancel the port.
    m_notifier->setEnabled(false);
    m_failure(tr("Serial port disconnected."));
}

void SerialPortWorker::send(const QByteArray& data)
{
    if (m_stopped) {
        return;
    }
    if (m_outgoing.size() + data.size() > SerialPort::outputLimitBytes) {
        m_failure(tr("Serial output queue exceeded its limit."));
        return;
    }
    m_outgoing.append(data);
    if (!m_writing) {
        m_writing = true;
        drain(QDeadlineTimer(SerialPort::writeDeadlineMilliseconds));
    }
}

void SerialPortWorker::drain(QDeadlineTimer deadline)
{
    if (m_stopped) {
        return;
    }
    bool hardError = false;
    if (!m_outgoing.isEmpty()) {
        const ssize_t written = ::write(m_fd, m_outgoing.constData(), static_cast<size_t>(m_outgoing.size()));
        if (written > 0) {
            m_outgoing.remove(0, static_cast<qsizetype>(written));
        } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
            hardError = true;
        }
    }
    if (m_outgoing.isEmpty()) {
        m_writing = false;
        return;
    }
    if (!hardError && !deadline.hasExpired()) {
        QPointer<SerialPortWorker> self(this);
        QTimer::singleShot(SerialPort::retryMilliseconds, this, [self, deadline] {
            if (self) {
                self->drain(deadline);
            }
        });
        return;
    }
    cancel();
    m_failure(tr("Serial write failed or timed out."));
}

void SerialPortWorker::cancel()
{
    m_stopped = true;
    m_writing = false;
    m_outgoing.clear();
    closeDescriptor();
}

void SerialPortWorker::closeDescriptor()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
