#include "core/protocol/RotctldProtocol.h"

#include "core/protocol/FixedText.h"

#include <QCoreApplication>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace RotctldProtocol {

namespace {

QByteArray decimal(double value, int decimals)
{
    return fixedText(value, decimals).toLatin1();
}

Value labelled(const char* label, const QByteArray& text)
{
    return {text, QByteArray(label) + ": " + text};
}

} // namespace

QByteArray answer(const RotctldRequest& request, int code, const QList<Value>& values)
{
    const QByteArray report = "RPRT " + QByteArray::number(code) + '\n';
    if (!request.separator) {
        if (code != ok || values.isEmpty()) {
            return report;
        }
        QByteArray text;
        for (const Value& value : values) {
            text += value.normal + '\n';
        }
        return text;
    }
    // A command this server does not know has no name to echo.
    if (request.name.isEmpty()) {
        return report;
    }
    const char separator = *request.separator;
    QByteArray text = request.name + ':';
    if (!request.arguments.isEmpty()) {
        text += ' ' + request.arguments;
    }
    text += separator;
    if (code == ok) {
        for (const Value& value : values) {
            text += value.extended + separator;
        }
    }
    return text + report;
}

QList<Value> position(double azimuth, double elevation)
{
    return {labelled("Azimuth", decimal(azimuth, 2)), labelled("Elevation", decimal(elevation, 2))};
}

QList<Value> info(const QByteArray& text)
{
    return {labelled("Info", text)};
}

QList<Value> state()
{
    const auto range = [](const char* key, const char* label, double value) {
        return Value{QByteArray(key) + '=' + decimal(value, 6), QByteArray(label) + ": " + decimal(value, 6)};
    };
    // Model 2 is the network rotator of that family: what this server is to its clients.
    return {
        {"1", "rotctld Protocol Ver: 1"},
        {"2", "Rotor Model: 2"},
        range("min_az", "Minimum Azimuth", minAzimuth),
        range("max_az", "Maximum Azimuth", maxAzimuth),
        range("min_el", "Minimum Elevation", minElevation),
        range("max_el", "Maximum Elevation", maxElevation),
        {"south_zero=0", "South Zero: 0"},
        {"rot_type=Az", "rot_type=Az"},
        {"done", "done"},
    };
}

QByteArray positionQuery()
{
    return QByteArrayLiteral("p\n");
}

ProtocolResult<QByteArray> setPosition(double azimuth)
{
    // A south-stop rotator counts from -180, an overlap one up to 540.
    if (!std::isfinite(azimuth) || azimuth < -180.0 || azimuth > 540.0) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("RotctldProtocol", "Enter a heading from -180 to 540."));
    }
    return "P " + decimal(azimuth, 1) + " 0.0\n";
}

QByteArray stop()
{
    return QByteArrayLiteral("S\n");
}

QString reportText(int code)
{
    switch (code) {
    case -1:
        return QCoreApplication::translate("RotctldProtocol", "invalid parameter");
    case -2:
        return QCoreApplication::translate("RotctldProtocol", "invalid configuration");
    case -4:
        return QCoreApplication::translate("RotctldProtocol", "not implemented");
    case -5:
        return QCoreApplication::translate("RotctldProtocol", "the rotator did not answer in time");
    case -6:
        return QCoreApplication::translate("RotctldProtocol", "input or output error");
    case -7:
        return QCoreApplication::translate("RotctldProtocol", "internal error");
    case -8:
        return QCoreApplication::translate("RotctldProtocol", "protocol error");
    case -9:
        return QCoreApplication::translate("RotctldProtocol", "command rejected");
    case -11:
        return QCoreApplication::translate("RotctldProtocol", "not available");
    case -13:
        return QCoreApplication::translate("RotctldProtocol", "communication bus error");
    case -17:
        return QCoreApplication::translate("RotctldProtocol", "value out of range");
    case -20:
        return QCoreApplication::translate("RotctldProtocol", "the rotator is not powered on");
    default:
        return QCoreApplication::translate("RotctldProtocol", "error");
    }
}

} // namespace RotctldProtocol
