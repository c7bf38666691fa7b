#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// One command line a rotctld client sends: a one-letter command ("P 90 0") or its long form
// ("\set_pos 90 0"), optionally led by a separator character that asks for the extended answer
// ("+\get_pos", ";p"). One command per line.
struct RotctldRequest {
    enum class Command {
        // A blank line: no answer.
        none,
        getPosition,
        setPosition,
        stop,
        park,
        move,
        getInfo,
        dumpState,
        quit,
        // A command this server does not know.
        unknown,
    };

    Command command = Command::none;
    // The separator of the extended answer ('\n' for "+"); absent for the normal answer.
    std::optional<char> separator;
    // The long name that extended answers echo, such as "set_pos"; empty for unknown commands.
    QByteArray name;
    // The arguments as the extended answer echoes them: the words given, one blank apart.
    QByteArray arguments;
    // False when the arguments do not fit the command: missing, extra, or not numbers.
    bool wellFormed = true;

    // Set position.
    double azimuth = 0.0;
    double elevation = 0.0;
    // Move: the direction bits of the protocol and the speed, both as given.
    int direction = 0;
    int speed = 0;

    // The request of one line without its line end.
    static RotctldRequest parse(QByteArrayView line);

    bool operator==(const RotctldRequest&) const = default;
};
