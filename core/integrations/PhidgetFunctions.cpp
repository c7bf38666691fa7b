#include "core/integrations/PhidgetFunctions.h"

#include <QCoreApplication>
#include <QString>

#include <dlfcn.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// dlsym answers an object pointer; POSIX guarantees it converts to a function pointer.
template <typename Function>
bool take(void* library, const char* name, Function& target)
{
    void* symbol = ::dlsym(library, name);
    if (symbol == nullptr) {
        return false;
    }
    target = reinterpret_cast<Function>(symbol);
    return true;
}

} // namespace

ProtocolResult<PhidgetFunctions> PhidgetFunctions::resolve(void* library)
{
    PhidgetFunctions functions;
    const char* missing = nullptr;
    // In the fixed order; once one is missing the later ones are not looked up.
    const auto need = [&](auto& target, const char* name) {
        if (missing == nullptr && !take(library, name, target)) {
            missing = name;
        }
    };
    need(functions.encoderCreate, names[0]);
    need(functions.digitalInputCreate, names[1]);
    need(functions.setDeviceSerialNumber, names[2]);
    need(functions.setChannel, names[3]);
    need(functions.open, names[4]);
    need(functions.getAttached, names[5]);
    need(functions.encoderGetPosition, names[6]);
    need(functions.digitalInputGetState, names[7]);
    need(functions.deleteHandle, names[8]);
    if (missing != nullptr) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("PhidgetFunctions", "Missing Phidget22 function: %1")
                .arg(QString::fromLatin1(missing)));
    }
    return functions;
}
