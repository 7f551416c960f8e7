#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace logvane {

// Why something could not be done, in words for the user.
struct Failure
{
    QString message;
};

// A value, or the failure that stands in its place. Loading, saving, encoding and the whole job
// report their failures this one way; the windows turn a failure into one message. It is used as
// std::expected<T, Failure> is, which it stands in for until every compiler of the project has
// it; a failure passes on from one Result to another as it is (`return loaded.error();`).
template <typename T> class Result
{
public:
    Result(T value)
        : outcome_(std::move(value))
    { }
    Result(Failure failure)
        : outcome_(std::move(failure))
    { }

    explicit operator bool() const { return std::holds_alternative<T>(outcome_); }
    T& operator*() { return std::get<T>(outcome_); }
    const T& operator*() const { return std::get<T>(outcome_); }
    T* operator->() { return &**this; }
    const T* operator->() const { return &**this; }
    const Failure& error() const { return std::get<Failure>(outcome_); }

private:
    std::variant<T, Failure> outcome_;
};

} // namespace logvane
