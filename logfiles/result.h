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
// report their failures this one way; the windows turn a failure into one message.
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
    T* operator->() { return &std::get<T>(outcome_); }
    const T* operator->() const { return &std::get<T>(outcome_); }
    const QString& error() const { return std::get<Failure>(outcome_).message; }

private:
    std::variant<T, Failure> outcome_;
};

} // namespace logvane
