#include "deck/folderlock.h"

#include "deck/cardsetfiles.h"
#include "deck/editmessages.h"

#include <chrono>
#include <future>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

StoreResult<FolderLock> FolderLock::take(const QString &folder, int timeoutMs)
{
    const int fd = ::open(cardSetFiles::native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return editMessages::notWritable(folder, cardSetFiles::errorText());
    FolderLock lock(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return lock;
    if (errno != EWOULDBLOCK)
        return editMessages::notWritable(folder, cardSetFiles::errorText());
    // A blocking wait, in a thread of its own on a second descriptor of the
    // same open folder: the lock belongs to both descriptors, so the thread
    // may close its own at once. A wait given up ends when the other run lets
    // go, and the lock it then gets goes with the thread's descriptor.
    const int waiting = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (waiting < 0)
        return editMessages::notWritable(folder, cardSetFiles::errorText());
    std::promise<int> taken;
    std::future<int> result = taken.get_future();
    std::thread([waiting, taken = std::move(taken)]() mutable {
        int rc = 0;
        while ((rc = ::flock(waiting, LOCK_EX)) != 0 && errno == EINTR) {
        }
        const int error = rc == 0 ? 0 : errno;
        ::close(waiting);
        taken.set_value(error);
    }).detach();
    if (result.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
        return editMessages::busy(folder);
    if (const int error = result.get(); error != 0)
        return editMessages::notWritable(folder, cardSetFiles::errorText(error));
    return lock;
}

FolderLock::FolderLock(FolderLock &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
