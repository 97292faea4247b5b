#pragma once

#include "deck/storeresult.h"

#include <QString>

// Keeps other pomwit-cards runs out of a card set for the object's life: an
// exclusive lock on its folder. On the folder, not the database: SQLite's own
// locks on the database file would be lost when another descriptor of it is
// closed.
class FolderLock
{
public:
    // Waits up to the timeout for another run to let go.
    static StoreResult<FolderLock> take(const QString &folder, int timeoutMs);
    FolderLock(FolderLock &&other) noexcept;
    FolderLock &operator=(FolderLock &&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(int fd) : m_fd(fd) {}

    int m_fd = -1;
};
