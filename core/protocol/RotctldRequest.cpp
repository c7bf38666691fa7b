#include "core/protocol/RotctldRequest.h"

#include <QList>

#include <array>
#include <charconv>
#include <cmath>
#include <type_traits>

namespace {

struct CommandName {
    char letter;
    const char* name;
    RotctldRequest::Command command;
    // Numbers that follow the command.
    int arguments;
};

constexpr std::array<CommandName, 8> commands{{
    {'p', "get_pos", RotctldRequest::Command::getPosition, 0},
    {'P', "set_pos", RotctldRequest::Command::setPosition, 2},
    {'S', "stop", RotctldRequest::Command::stop, 0},
    {'K', "park", RotctldRequest::Command::park, 0},
    {'M', "move", RotctldRequest::Command::move, 2},
    {'_', "get_info", RotctldRequest::Command::getInfo, 0},
    {'\0', "dump_state", RotctldRequest::Command::dumpState, 0},
    {'q', "quit", RotctldRequest::Command::quit, 0},
}};

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

QList<QByteArrayView> words(QByteArrayView text)
{
    QList<QByteArrayView> found;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && blank(text[i])) {
            ++i;
        }
        const qsizetype start = i;
        while (i < text.size() && !blank(text[i])) {
            ++i;
        }
        if (i > start) {
            found.append(text.sliced(start, i - start));
        }
    }
    return found;
}

const CommandName* lookUp(QByteArrayView word)
{
    for (const CommandName& entry : commands) {
        const bool matches = word.startsWith('\\')
                                 ? word.sliced(1) == QByteArrayView(entry.name)
                                 : word.size() == 1 && entry.letter != '\0' && word[0] == entry.letter;
        if (matches) {
            return &entry;
        }
    }
    // Clients send "Q" as often as "q".
    return word == "Q" ? &commands.back() : nullptr;
}

template <typename Number>
std::optional<Number> number(QByteArrayView word)
{
    Number value{};
    const char* const end = word.data() + word.size();
    const char* const begin = word.startsWith('+') ? word.data() + 1 : word.data();
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end || begin == end) {
        return std::nullopt;
    }
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

RotctldRequest RotctldRequest::parse(QByteArrayView line)
{
    RotctldRequest request;
    QByteArrayView text = line.trimmed();
    if (text.isEmpty()) {
        return request;
    }
    // The protocol's separators for the extended answer; "+" stands for the line end.
    if (const char first = text.front(); first == '+' || first == ';' || first == '|' || first == ',') {
        request.separator = first == '+' ? '\n' : first;
        text = text.sliced(1);
    }
    QList<QByteArrayView> parts = words(text);
    const CommandName* entry = parts.isEmpty() ? nullptr : lookUp(parts.first());
    if (!entry) {
        request.command = Command::unknown;
        request.wellFormed = false;
        return request;
    }
    request.command = entry->command;
    request.name = entry->name;
    parts.removeFirst();
    QByteArrayList given;
    for (const QByteArrayView word : std::as_const(parts)) {
        given.append(word.toByteArray());
    }
    request.arguments = given.join(' ');
    if (parts.size() != entry->arguments) {
        request.wellFormed = false;
        return request;
    }
    if (request.command == Command::setPosition) {
        const std::optional<double> azimuth = number<double>(parts.at(0));
        const std::optional<double> elevation = number<double>(parts.at(1));
        request.wellFormed = azimuth && elevation;
        request.azimuth = azimuth.value_or(0.0);
        request.elevation = elevation.value_or(0.0);
    } else if (request.command == Command::move) {
        const std::optional<int> direction = number<int>(parts.at(0));
        const std::optional<int> speed = number<int>(parts.at(1));
        request.wellFormed = direction && speed;
        request.direction = direction.value_or(0);
        request.speed = speed.value_or(0);
    }
    return request;
}
