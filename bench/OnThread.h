#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

// An object made, driven and destroyed on a thread of its own, so that what a benchmark measures
// on the main thread is the main thread's work alone.
template <typename T>
class OnThread {
public:
    // `make` runs on the thread and returns the object as a unique_ptr.
    template <typename Make>
    OnThread(const QString& name, Make make)
    {
        m_thread.setObjectName(name);
        m_thread.start();
        run([this, make](T*) { m_object = make(); });
    }
    ~OnThread()
    {
        run([this](T*) { m_object.reset(); });
        m_thread.quit();
        m_thread.wait();
    }
    OnThread(const OnThread&) = delete;
    OnThread& operator=(const OnThread&) = delete;

    // Runs `call` with the object on the thread and waits for it.
    template <typename Call>
    void run(Call call)
    {
        QMetaObject::invokeMethod(
            &m_anchor, [this, call] { call(m_object.get()); }, Qt::BlockingQueuedConnection);
    }

private:
    QThread m_thread;
    // Lives on the thread, so that calls posted to it run there.
    struct Anchor : QObject {
        explicit Anchor(QThread& thread) { moveToThread(&thread); }
    } m_anchor{m_thread};
    std::unique_ptr<T> m_object;
};
