#pragma once

#include <utility>
#include <variant>

// A value, or the reason it could not be had. Error types carry a message a
// parent can act on; the caller decides where to show it.
template <typename T, typename Error>
class Result
{
public:
    Result(T value) : m_data(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : m_data(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_data.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<0>(m_data); }
    T &value() { return std::get<0>(m_data); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    const Error &error() const { return std::get<1>(m_data); }

private:
    std::variant<T, Error> m_data;
};

// For operations that give nothing back when they succeed.
struct Done
{
};
