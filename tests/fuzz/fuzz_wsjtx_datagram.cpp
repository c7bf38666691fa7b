// WSJT-X datagrams from anyone on the network: a datagram either fails or gives texts within
// their bound.
#include "FuzzSupport.h"
#include "core/integrations/WsjtxMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ProtocolResult<WsjtxMessage> message = WsjtxMessage::parse(Fuzz::bytes(data, size));
    if (!message.ok()) {
        FUZZ_CHECK(!message.failure().description().isEmpty());
        return 0;
    }
    FUZZ_CHECK(message->schema == 2 || message->schema == 3);
    FUZZ_CHECK(message->status.has_value() == (message->type == WsjtxMessage::statusType));
    if (message->status) {
        FUZZ_CHECK(message->status->dxCall.size() <= qsizetype(WsjtxMessage::maxTextBytes));
        FUZZ_CHECK(message->status->dxGrid.size() <= qsizetype(WsjtxMessage::maxTextBytes));
    }
    return 0;
}
