#pragma once

#include <QString>

#include <utility>
#include <variant>

// The one protocol error: a complete user-facing sentence, shown unchanged.
struct ProtocolFailure {
    enum class Case { invalid };

    Case kind = Case::invalid;
    QString message;

    static ProtocolFailure invalid(QString message) { return {Case::invalid, std::move(message)}; }
    const QString& description() const { return message; }

    bool operator==(const ProtocolFailure&) const = default;
};

// A value or the failure that prevented it, in the manner of expected<T, ProtocolFailure>.
template <typename T>
class ProtocolResult final {
public:
    ProtocolResult(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {}
    ProtocolResult(ProtocolFailure failure)
        : m_state(std::in_place_index<1>, std::move(failure))
    {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const ProtocolFailure& failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, ProtocolFailure> m_state;
};
