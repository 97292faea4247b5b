#include "deck/cardsetfiles.h"

#include "deck/editmessages.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cardSetFiles {

namespace {

std::function<void()> &stepHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0;
}

bool remove(const QString &path)
{
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT;
}

bool move(const QString &from, const QString &to)
{
    return ::rename(native(from).constData(), native(to).constData()) == 0;
}

bool link(const QString &existing, const QString &link)
{
    return ::link(native(existing).constData(), native(link).constData()) == 0;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString temporaryName(const char *suffix)
{
    const quint64 n = QRandomGenerator::system()->generate64();
    return QStringLiteral(".pomwit-cards-%1.%2").arg(n, 16, 16, QLatin1Char('0')).arg(QLatin1String(suffix));
}

bool isLeftover(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\.pomwit-cards-[0-9a-f]{16}\\.(tmp|old|mdb|mdb-journal)$"));
    return pattern.match(name).hasMatch() || name == QLatin1String(".pomwit-cards-journal");
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..");
}

StoreResult<QString> writeTemporary(const QByteArray &bytes, const QString &folder, uint ownerId, uint groupId)
{
    const QString name = temporaryName("tmp");
    const QString path = folder + QLatin1Char('/') + name;
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, fileMode);
    if (fd < 0)
        return editMessages::notWritten(path, errorText());
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    // The mode is set whatever the umask, so that the program may read the
    // file as any user; a file written by root for a user's card set is theirs.
    bool ok = done == bytes.size() && ::fchmod(fd, fileMode) == 0;
    if (ok && ::geteuid() == 0)
        ok = ::fchown(fd, ownerId, groupId) == 0;
    ok = ok && ::fdatasync(fd) == 0;
    const int error = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        remove(path);
        return editMessages::notWritten(path, errorText(error));
    }
    return name;
}

void betweenSteps()
{
    if (stepHook())
        stepHook()();
}

void setBetweenSteps(std::function<void()> hook)
{
    stepHook() = std::move(hook);
}

} // namespace cardSetFiles
