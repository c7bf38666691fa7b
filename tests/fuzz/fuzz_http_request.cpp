// The head of a request to the remote page's server, from anyone who can reach its port.
#include "FuzzSupport.h"
#include "app/remote/HttpRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray head = Fuzz::bytes(data, size);
    const std::optional<HttpRequest> request = HttpRequest::parse(head);
    if (!request) {
        return 0;
    }
    FUZZ_CHECK(!request->method.isEmpty() && request->target.startsWith('/'));
    FUZZ_CHECK(request->headers.size() <= HttpRequest::maxHeaders);
    QByteArray written = request->method + ' ' + request->target + ' ' + head.split('\n').first().split(' ').last();
    if (written.endsWith('\r')) {
        written.chop(1);
    }
    for (const auto& [name, value] : request->headers) {
        // Names come out in lower case and values trimmed, with no line breaks left in either.
        FUZZ_CHECK(name == name.toLower() && !name.contains(':') && value == value.trimmed());
        FUZZ_CHECK(!name.contains('\n') && !value.contains('\n') && !value.contains('\r'));
        written += "\r\n" + name + ": " + value;
    }
    // Written out again, the request reads the same.
    const std::optional<HttpRequest> again = HttpRequest::parse(written);
    FUZZ_CHECK(again && again->method == request->method && again->target == request->target &&
               again->headers == request->headers);
    if (const std::optional<QByteArray> cookie = request->cookie("xalto_remote")) {
        FUZZ_CHECK(!cookie->contains(';'));
    }
    return 0;
}
