#include "deck/cardsetcopy.h"

#include "deck/cardsetfiles.h"
#include "deck/cardstore.h"
#include "deck/editmessages.h"
#include "deck/sqlitedatabase.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

using namespace cardSetFiles;

StoreResult<QString> CardSetCopy::keep(const CardSetLocation &location, const SqliteDatabase &database)
{
    const QString stem = location.folder() + QStringLiteral("/cardset-") + QDate::currentDate().toString(Qt::ISODate);
    QString kept = stem;
    for (int n = 2; exists(kept); ++n)
        kept = stem + QLatin1Char('-') + QString::number(n);
    // Made under a name of a run and renamed when complete.
    const QString made = location.folder() + QLatin1Char('/') + temporaryName("kept");
    const auto owned = [&location](const QString &path) {
        return ::geteuid() != 0 || ::chown(native(path).constData(), location.ownerId(), location.groupId()) == 0;
    };
    const auto failed = [&made, &kept](const QString &reason) -> StoreResult<QString> {
        QDir(made).removeRecursively();
        return editMessages::notSaved(kept, reason);
    };
    const QString copy = made + QLatin1Char('/') + QLatin1String(CardStore::databaseFileName);
    const QString copies = made + QLatin1Char('/') + QLatin1String(CardStore::picturesFolderName);
    for (const QString &path : {made, copies}) {
        if (::mkdir(native(path).constData(), folderMode) != 0 || !owned(path))
            return failed(errorText());
    }
    // A copy as of one moment, whatever else reads the database meanwhile.
    if (auto copied = database.exec(QStringLiteral("VACUUM INTO ?"), {copy}); !copied)
        return failed(copied.error().text);
    if (!owned(copy))
        return failed(errorText());
    // The pictures as second links: a change puts new files in place and
    // never writes into old ones.
    const QDir pictures(location.pictures());
    for (const QString &name : pictures.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString to = copies + QLatin1Char('/') + name;
        if (!isLeftover(name) && !link(pictures.filePath(name), to)
            && (!QFile::copy(pictures.filePath(name), to) || !owned(to)))
            return failed(errorText());
    }
    if (!move(made, kept))
        return failed(errorText());
    syncFolder(location.folder());
    return kept;
}
