#include "core/integrations/LoggerEvent.h"

#include "core/protocol/Overloaded.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString radioText(const std::optional<int>& radio)
{
    return radio ? QString::number(*radio) : u"none"_s;
}

} // namespace

QDebug operator<<(QDebug debug, const LoggerEvent& event)
{
    const QDebugStateSaver saver(debug);
    debug.nospace().noquote();
    std::visit(Overloaded{
                   [&](const LoggerEvent::Frequency& e) {
                       debug << "frequency(radio " << e.radio << ", " << QString::number(e.mhz, 'g', 17) << " MHz)";
                   },
                   [&](const LoggerEvent::Focus& e) { debug << "focus(" << e.radio << ")"; },
                   [&](const LoggerEvent::Turn& e) {
                       debug << "turn(radio " << radioText(e.radio) << ", " << QString::number(e.degrees, 'g', 17)
                             << " degrees)";
                   },
                   [&](const LoggerEvent::Stop& e) { debug << "stop(radio " << radioText(e.radio) << ")"; },
                   [&](const LoggerEvent::Key& e) { debug << "key(" << e.token << ")"; },
               },
               event.value);
    return debug;
}
