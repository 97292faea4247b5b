#include "deck/databasefile.h"

#include "deck/storemessages.h"

#include <QByteArrayView>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView sqliteMagic("SQLite format 3\0", 16);
constexpr QByteArrayView jetMagic("\x00\x01\x00\x00Standard Jet DB\0", 20);
constexpr qsizetype headBytes = 20;

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

StoreResult<DatabaseFile> DatabaseFile::inspect(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return storeMessages::missing(path);
        return storeMessages::notReadable(path, errorText(errno));
    }
    // A folder or a FIFO must not be opened: reading a FIFO would block.
    if (!S_ISREG(st.st_mode))
        return storeMessages::notARegularFile(path);
    // Not blocking either should a FIFO take the file's place meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return storeMessages::notReadable(path, errorText(errno));
    char head[headBytes];
    ssize_t got = -1;
    do
        got = ::pread(fd, head, sizeof head, 0);
    while (got < 0 && errno == EINTR);
    const int readError = errno;
    // The stamp of the file just read, whatever the name leads to by now.
    const bool statted = ::fstat(fd, &st) == 0;
    ::close(fd);
    if (got < 0 || !statted)
        return storeMessages::notReadable(path, errorText(got < 0 ? readError : errno));
    if (!S_ISREG(st.st_mode))
        return storeMessages::notARegularFile(path);
    if (got == 0)
        return storeMessages::emptyFile(path);

    DatabaseFile file;
    file.m_stamp = {st.st_dev, st.st_ino, qint64(st.st_size), nanoseconds(st.st_mtim)};
    const QByteArrayView bytes(head, got);
    if (bytes.startsWith(sqliteMagic)) {
        // Bytes 18 and 19 of a SQLite header are 2 in write-ahead-log mode.
        const bool wal = got >= headBytes && head[18] == 2 && head[19] == 2;
        file.m_kind = wal ? Kind::SqliteWriteAheadLog : Kind::Sqlite;
        return file;
    }
    if (bytes.startsWith(jetMagic)) {
        file.m_kind = Kind::Access;
        return file;
    }
    return storeMessages::notADatabase(path);
}
