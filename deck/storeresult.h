#pragma once

#include <QString>

#include <utility>
#include <variant>

// Why a read of the card set failed, with a message a parent can act on.
struct StoreError
{
    enum class Kind {
        Missing,
        NotReadable,
        NotADatabase,
        Damaged,
        NoTable,
        NoColumn,
        Locked,
        NoWord,
        NoSuchPosition,
        Failed,
    };
    Kind kind = Kind::Failed;
    QString message;
};

// A value read from the card set, or the reason it could not be read.
template <typename T>
class StoreResult
{
public:
    StoreResult(T value) : m_data(std::in_place_index<0>, std::move(value)) {}
    StoreResult(StoreError error) : m_data(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_data.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<0>(m_data); }
    T &value() { return std::get<0>(m_data); }
    const T &operator*() const { return value(); }
    const StoreError &error() const { return std::get<1>(m_data); }

private:
    std::variant<T, StoreError> m_data;
};
