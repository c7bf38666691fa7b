#include "tools/station-sim/PseudoTerminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

PseudoTerminal::PseudoTerminal(QObject* parent)
    : QObject(parent)
{}

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::fail(const QString& what)
{
    m_error = what + u": "_s + QString::fromLocal8Bit(std::strerror(errno));
    close();
    return false;
}

bool PseudoTerminal::open()
{
    close();
    m_controller = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_controller < 0) {
        return fail(u"posix_openpt"_s);
    }
    if (::grantpt(m_controller) != 0 || ::unlockpt(m_controller) != 0) {
        return fail(u"grantpt/unlockpt"_s);
    }
    char name[128] = {};
    if (::ptsname_r(m_controller, name, sizeof(name)) != 0) {
        return fail(u"ptsname"_s);
    }
    m_devicePath = QString::fromLocal8Bit(name);
    m_device = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_device < 0) {
        return fail(u"open "_s + m_devicePath);
    }
    // Raw both ways: no echo of what the controller writes, no CR or NL translation.
    termios settings{};
    if (::tcgetattr(m_device, &settings) != 0) {
        return fail(u"tcgetattr"_s);
    }
    ::cfmakeraw(&settings);
    if (::tcsetattr(m_device, TCSANOW, &settings) != 0) {
        return fail(u"tcsetattr"_s);
    }
    const int flags = ::fcntl(m_controller, F_GETFL);
    if (flags < 0 || ::fcntl(m_controller, F_SETFL, flags | O_NONBLOCK) != 0) {
        return fail(u"fcntl"_s);
    }
    m_notifier = new QSocketNotifier(m_controller, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PseudoTerminal::readAvailable);
    m_error.clear();
    return true;
}

void PseudoTerminal::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_device >= 0) {
        ::close(m_device);
        m_device = -1;
    }
    if (m_controller >= 0) {
        ::close(m_controller);
        m_controller = -1;
    }
    m_devicePath.clear();
}

void PseudoTerminal::write(const QByteArray& bytes)
{
    qsizetype offset = 0;
    while (m_controller >= 0 && offset < bytes.size()) {
        const ssize_t written = ::write(m_controller, bytes.constData() + offset, bytes.size() - offset);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        offset += written;
    }
}

void PseudoTerminal::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(m_controller, buffer, sizeof(buffer));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return;
        }
        Q_EMIT dataReceived(QByteArray(buffer, count));
    }
}
