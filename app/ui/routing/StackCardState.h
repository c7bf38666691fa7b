#pragma once

#include <QCoreApplication>
#include <QString>

struct StackOutput;
struct RoutingContext;

// What a stack card shows for one stack output at the client's current time.
struct StackCardState {
    Q_DECLARE_TR_FUNCTIONS(StackCardState)

public:
    QString title;
    // "Stale" unless the report is live, else the status when it is not ready; shown in orange.
    QString status;
    QString action;
    QString actionName;
    QString actionToolTip;
    bool enabled = false;
    // What the button asks for: the opposite of the reported selection.
    bool turnOn = false;

    // `canSet` is the client's guard for this output.
    static StackCardState of(const StackOutput& stack, const RoutingContext& context, bool canSet);

    bool operator==(const StackCardState&) const = default;
};
