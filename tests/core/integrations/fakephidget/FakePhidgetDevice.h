#pragma once

#include <QTest>

#include <cstdint>
#include <dlfcn.h>

// The stand-in library's test controls, resolved from the same loaded copy an encoder opens
// (the loader hands out one copy per path).
class FakePhidgetDevice final {
public:
    explicit FakePhidgetDevice(const char* path)
        : m_library(::dlopen(path, RTLD_NOW | RTLD_LOCAL))
    {
        resolve(m_reset, "fakephidget_reset");
        resolve(m_set, "fakephidget_set");
        resolve(m_polls, "fakephidget_polls");
        resolve(m_liveHandles, "fakephidget_liveHandles");
    }

    bool loaded() const
    {
        return m_reset != nullptr && m_set != nullptr && m_polls != nullptr && m_liveHandles != nullptr;
    }
    void reset() { m_reset(); }
    // The device as the next poll finds it; `button` 1 is held down.
    void set(bool attached, qint64 position, int button = 0) { m_set(attached ? 1 : 0, position, button); }
    long polls() const { return m_polls(); }
    int liveHandles() const { return m_liveHandles(); }

    // Two further polls: the second began after any change made before calling.
    void settle() const
    {
        const long target = polls() + 2;
        QTRY_VERIFY(polls() >= target);
    }

private:
    template <typename Function>
    void resolve(Function& target, const char* name)
    {
        if (m_library != nullptr) {
            target = reinterpret_cast<Function>(::dlsym(m_library, name));
        }
    }

    void* m_library;
    void (*m_reset)() = nullptr;
    void (*m_set)(int, int64_t, int) = nullptr;
    long (*m_polls)() = nullptr;
    int (*m_liveHandles)() = nullptr;
};
