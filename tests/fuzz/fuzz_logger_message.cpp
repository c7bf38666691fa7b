// One logger message of one kind (N1MM, N3FJP, Win-Test or keyboard, chosen when the target is
// built): whatever arrives, the events name radio 1 or 2, finite frequencies and headings
// within 0...360.
#include "FuzzSupport.h"
#include "core/integrations/LoggerProtocol.h"

#include <cmath>

namespace {

constexpr LoggerKind kind = LoggerKind::XALTO_FUZZ_LOGGER_KIND;

bool validRadio(std::optional<int> radio)
{
    return !radio || *radio == 1 || *radio == 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray message = Fuzz::bytes(data, size);
    // The sending station's name filters N1MM and Win-Test: with and without one.
    for (const QStringView station : {QStringView(), QStringView(u"CONTEST-PC")}) {
        const QList<LoggerEvent> events = LoggerProtocol::parse(message, kind, station);
        if (message.size() > LoggerProtocol::maxMessageBytes) {
            FUZZ_CHECK(events.isEmpty());
        }
        for (const LoggerEvent& event : events) {
            if (const auto* frequency = event.as<LoggerEvent::Frequency>()) {
                FUZZ_CHECK(validRadio(frequency->radio) && std::isfinite(frequency->mhz) && frequency->mhz > 0.0);
            } else if (const auto* focus = event.as<LoggerEvent::Focus>()) {
                FUZZ_CHECK(validRadio(focus->radio));
            } else if (const auto* turn = event.as<LoggerEvent::Turn>()) {
                FUZZ_CHECK(validRadio(turn->radio) && turn->degrees >= 0.0 && turn->degrees <= 360.0);
            } else if (const auto* stop = event.as<LoggerEvent::Stop>()) {
                FUZZ_CHECK(validRadio(stop->radio));
            }
        }
    }
    return 0;
}
