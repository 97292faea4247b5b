#include "deck/cardsetlocation.h"

#include "deck/cardsetfiles.h"
#include "deck/cardstore.h"
#include "deck/databasefile.h"
#include "deck/editmessages.h"
#include "deck/storemessages.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using cardSetFiles::native;

StoreResult<CardSetLocation> CardSetLocation::resolve(const QString &applicationFolder)
{
    const QString app = QFileInfo(applicationFolder).canonicalFilePath();
    if (app.isEmpty())
        return storeMessages::missing(QDir(applicationFolder).filePath(QLatin1String(CardStore::databaseFileName)));
    // A link in the application folder is followed once (the package's lead
    // into /var/lib); a link to a link is not.
    const auto followOnce = [&app](const QString &path) -> StoreResult<QString> {
        if (!QFileInfo(path).isSymLink())
            return path;
        char target[4096];
        const ssize_t length = ::readlink(native(path).constData(), target, sizeof target - 1);
        if (length < 0)
            return storeMessages::notReadable(path, cardSetFiles::errorText());
        const QString link = QFile::decodeName(QByteArray(target, int(length)));
        const QString resolved = QDir::cleanPath(QDir(app).absoluteFilePath(link));
        if (QFileInfo(resolved).isSymLink())
            return editMessages::linkedTwice(path, resolved);
        return resolved;
    };
    const auto database = followOnce(app + QLatin1Char('/') + QLatin1String(CardStore::databaseFileName));
    if (!database)
        return database.error();
    const auto file = DatabaseFile::inspect(database.value());
    if (!file)
        return file.error();

    CardSetLocation location;
    const QFileInfo info(database.value());
    location.m_folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    location.m_database = location.m_folder + QLatin1Char('/') + info.fileName();
    location.m_pictures = location.m_folder + QLatin1Char('/') + QLatin1String(CardStore::picturesFolderName);
    location.m_access = file->kind() == DatabaseFile::Kind::Access;
    const QString picturesLink = app + QLatin1Char('/') + QLatin1String(CardStore::picturesFolderName);
    if (cardSetFiles::exists(picturesLink) || app != location.m_folder) {
        const auto pictures = followOnce(picturesLink);
        if (!pictures)
            return pictures.error();
        if (QFileInfo(pictures.value()).canonicalFilePath() != location.m_pictures)
            return editMessages::picturesElsewhere(pictures.value(), location.m_database);
    }
    struct stat st;
    if (::stat(native(location.m_database).constData(), &st) == 0) {
        location.m_ownerId = st.st_uid;
        location.m_groupId = st.st_gid;
    }
    return location;
}
