// A stand-in for the encoder vendor's library: exports the nine entry points the encoder uses
// and simulates one device whose attachment, position and button the test sets through the
// fakephidget_* functions. Built twice; FAKEPHIDGET_WITHOUT_GETSTATE leaves one entry point out.

#include <cstdint>
#include <cstring>
#include <mutex>
#include <pthread.h>
#include <set>
#include <string>

extern "C" {
struct PhidgetChannel {
    bool open = false;
};
}

namespace {

struct Device {
    std::mutex lock;
    bool attached = false;
    int64_t position = 0;
    int button = 0;
    std::set<std::string> failing;
    std::string calls;
    // Calls to getAttached so far: one per poll.
    std::string threadName;
    int liveHandles = 0;
    long polls = 0;
};

Device& device()
{
    static Device instance;
    return instance;
}

// Records the call and answers whether it should fail. Reads are too frequent to log.
bool fails(Device& d, const char* name, const std::string& detail = {}, bool read = false)
{
    if (!read) {
        d.calls += name + detail + ";";
    }
    char thread[16] = {};
    pthread_getname_np(pthread_self(), thread, sizeof thread);
    d.threadName = thread;
    return d.failing.count(name) != 0;
}

int create(PhidgetChannel** handle, const char* name)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    if (handle == nullptr || fails(d, name)) {
        return 1;
    }
    *handle = new PhidgetChannel;
    ++d.liveHandles;
    return 0;
}

// Only logged: the test reads the serial number and channels from the call log.
int configure(PhidgetChannel* handle, const char* name, int value)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    return handle == nullptr || fails(d, name, "(" + std::to_string(value) + ")") ? 1 : 0;
}

int copyText(const std::string& text, char* buffer, int size)
{
    if (buffer != nullptr && size > 0) {
        std::strncpy(buffer, text.c_str(), static_cast<std::size_t>(size) - 1);
        buffer[size - 1] = '\0';
    }
    return static_cast<int>(text.size());
}

} // namespace

extern "C" {

int PhidgetEncoder_create(PhidgetChannel** handle)
{
    return create(handle, "PhidgetEncoder_create");
}

int PhidgetDigitalInput_create(PhidgetChannel** handle)
{
    return create(handle, "PhidgetDigitalInput_create");
}

int Phidget_setDeviceSerialNumber(PhidgetChannel* handle, int serial)
{
    return configure(handle, "Phidget_setDeviceSerialNumber", serial);
}

int Phidget_setChannel(PhidgetChannel* handle, int channel)
{
    return configure(handle, "Phidget_setChannel", channel);
}

int Phidget_open(PhidgetChannel* handle)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    if (handle == nullptr || fails(d, "Phidget_open")) {
        return 1;
    }
    handle->open = true;
    return 0;
}

int Phidget_getAttached(PhidgetChannel* handle, int* attached)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    ++d.polls;
    if (handle == nullptr || attached == nullptr || fails(d, "Phidget_getAttached", {}, true)) {
        return 1;
    }
    *attached = handle->open && d.attached ? 1 : 0;
    return 0;
}

int PhidgetEncoder_getPosition(PhidgetChannel* handle, int64_t* position)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    if (handle == nullptr || position == nullptr || !d.attached || fails(d, "PhidgetEncoder_getPosition", {}, true)) {
        return 1;
    }
    *position = d.position;
    return 0;
}

#ifndef FAKEPHIDGET_WITHOUT_GETSTATE
int PhidgetDigitalInput_getState(PhidgetChannel* handle, int* state)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    if (handle == nullptr || state == nullptr || !d.attached || fails(d, "PhidgetDigitalInput_getState", {}, true)) {
        return 1;
    }
    *state = d.button;
    return 0;
}
#endif

int Phidget_delete(PhidgetChannel** handle)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    if (handle == nullptr || *handle == nullptr) {
        return 1;
    }
    fails(d, "Phidget_delete");
    delete *handle;
    *handle = nullptr;
    --d.liveHandles;
    return 0;
}

// Test controls.

void fakephidget_reset()
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    d.attached = false;
    d.position = 0;
    d.button = 0;
    d.failing.clear();
    d.calls.clear();
    d.threadName.clear();
    d.polls = 0;
}

void fakephidget_set(int attached, int64_t position, int button)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    d.attached = attached != 0;
    d.position = position;
    d.button = button;
}

void fakephidget_fail(const char* name)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    d.failing.insert(name);
}

// Calls to getAttached so far: one per poll.
long fakephidget_polls()
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    return d.polls;
}

int fakephidget_liveHandles()
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    return d.liveHandles;
}

// Every call but the polling ones, in order, each followed by ";". Answers the full length.
int fakephidget_calls(char* buffer, int size)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    return copyText(d.calls, buffer, size);
}

// The name of the thread that made the latest call.
int fakephidget_threadName(char* buffer, int size)
{
    Device& d = device();
    const std::lock_guard<std::mutex> guard(d.lock);
    return copyText(d.threadName, buffer, size);
}

} // extern "C"
