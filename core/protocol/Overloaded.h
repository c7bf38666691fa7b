#pragma once

// A visitor built from lambdas, one per alternative of a variant.
template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// clang 14 has no deduction for aggregates: the guide lets `Overloaded{...}` build there too.
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;
