#pragma once

// A value or why there is none: what a call that can fail returns, so that a
// caller cannot take the one for the other (std::expected's shape, which C++20
// lacks).

#include <QtGlobal>

#include <utility>
#include <variant>

namespace velandry {

template <typename Error>
struct Failure
{
    Error error;
};

template <typename Error>
Failure<std::decay_t<Error>> failed(Error &&error)
{
    return {std::forward<Error>(error)};
}

template <typename Value, typename Error>
class [[nodiscard]] Result final
{
public:
    Result(Value value) : state_(std::in_place_index<0>, std::move(value)) { }
    template <typename E>
    Result(Failure<E> failure) : state_(std::in_place_index<1>, std::move(failure.error))
    {
    }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const Value &value() const &
    {
        Q_ASSERT(ok());
        return std::get<0>(state_);
    }
    Value &&value() &&
    {
        Q_ASSERT(ok());
        return std::get<0>(std::move(state_));
    }
    const Value &operator*() const & { return value(); }
    const Value *operator->() const { return &value(); }

    const Error &error() const
    {
        Q_ASSERT(!ok());
        return std::get<1>(state_);
    }

private:
    std::variant<Value, Error> state_;
};

// A call that gives nothing back but can fail.
template <typename Error>
class [[nodiscard]] Result<void, Error> final
{
public:
    Result() = default;
    template <typename E>
    Result(Failure<E> failure) : error_(std::move(failure.error)), ok_(false)
    {
    }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Error &error() const
    {
        Q_ASSERT(!ok_);
        return error_;
    }

private:
    Error error_{};
    bool ok_ = true;
};

} // namespace velandry
