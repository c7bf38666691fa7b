#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

// The encoder vendor's library as this program uses it: channels are opaque handles, every call
// answers 0 on success, and the library is found at run time, never linked.
extern "C" {
struct PhidgetChannel;
}
using PhidgetHandle = PhidgetChannel*;

// The nine entry points, resolved by name in the order of `names`.
struct PhidgetFunctions {
    using Create = int (*)(PhidgetHandle* handle);
    using SetInt = int (*)(PhidgetHandle handle, int value);
    using Open = int (*)(PhidgetHandle handle);
    using GetInt = int (*)(PhidgetHandle handle, int* value);
    // The library's own int64_t: the same size as qint64 but another type (long, not long
    // long), and a call through a pointer of the wrong function type is undefined.
    using GetPosition = int (*)(PhidgetHandle handle, std::int64_t* position);
    using Delete = int (*)(PhidgetHandle* handle);

    static constexpr std::array<const char*, 9> names{"PhidgetEncoder_create",
                                                      "PhidgetDigitalInput_create",
                                                      "Phidget_setDeviceSerialNumber",
                                                      "Phidget_setChannel",
                                                      "Phidget_open",
                                                      "Phidget_getAttached",
                                                      "PhidgetEncoder_getPosition",
                                                      "PhidgetDigitalInput_getState",
                                                      "Phidget_delete"};

    Create encoderCreate = nullptr;
    Create digitalInputCreate = nullptr;
    SetInt setDeviceSerialNumber = nullptr;
    SetInt setChannel = nullptr;
    Open open = nullptr;
    GetInt getAttached = nullptr;
    GetPosition encoderGetPosition = nullptr;
    GetInt digitalInputGetState = nullptr;
    Delete deleteHandle = nullptr;

    // Looks the functions up in a library opened with dlopen; the first one missing fails with
    // "Missing Phidget22 function: " and its name.
    static ProtocolResult<PhidgetFunctions> resolve(void* library);
};
