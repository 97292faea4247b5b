#pragma once

#include "base/result.h"

#include <QString>

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
        NoCards,
        Failed,
        UnusableWord,
    };
    Kind kind = Kind::Failed;
    QString message;
};

// A value read from the card set, or the reason it could not be read.
template <typename T>
using StoreResult = Result<T, StoreError>;
