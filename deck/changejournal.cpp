#include "deck/changejournal.h"

#include "deck/cardsetfiles.h"
#include "deck/editmessages.h"
#include "deck/sqlitedatabase.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

using namespace cardSetFiles;

namespace {

QByteArray journalBytes(const QList<QStringList> &put, const QStringList &drop, qint64 version)
{
    QJsonArray puts;
    for (const QStringList &names : put)
        puts.append(QJsonArray::fromStringList(names));
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), version},
                                     {QStringLiteral("put"), puts},
                                     {QStringLiteral("drop"), QJsonArray::fromStringList(drop)}})
        .toJson(QJsonDocument::Compact);
}

} // namespace

ChangeJournal::ChangeJournal(const CardSetLocation &location, SqliteDatabase *database)
    : m_location(location)
    , m_database(database)
{
}

QString ChangeJournal::journalPath() const
{
    return m_location.folder() + QStringLiteral("/.pomwit-cards-journal");
}

StoreResult<qint64> ChangeJournal::changeNumber() const
{
    const auto version = m_database->value("PRAGMA user_version");
    if (!version)
        return editMessages::fromSqlite(m_location, version.error(), false);
    return version->toLongLong();
}

QStringList ChangeJournal::leftovers() const
{
    QStringList paths;
    for (const QString &folder : {m_location.folder(), m_location.pictures()}) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
            if (isLeftover(name))
                paths.append(dir.filePath(name));
        }
    }
    // A conversion cut off after keeping the Access file under its new name.
    struct stat kept, database;
    const QString keptPath = m_location.database() + QLatin1String(".access");
    if (::lstat(native(keptPath).constData(), &kept) == 0
        && ::lstat(native(m_location.database()).constData(), &database) == 0 && kept.st_ino == database.st_ino
        && kept.st_dev == database.st_dev)
        paths.append(keptPath);
    return paths;
}

StoreResult<QStringList> ChangeJournal::recover()
{
    QStringList repairs;
    QFile journal(journalPath());
    if (journal.open(QIODevice::ReadOnly)) {
        const QJsonObject object = QJsonDocument::fromJson(journal.readAll()).object();
        journal.close();
        Plan plan;
        bool valid = true;
        for (const QJsonValue &entry : object.value(QStringLiteral("put")).toArray()) {
            const QJsonArray names = entry.toArray();
            const Put put{names.at(0).toString(), names.at(1).toString(), names.at(2).toString()};
            valid = valid && isLeftover(put.from) && isPlainName(put.to)
                && (put.backup.isEmpty() || isLeftover(put.backup));
            plan.put.append(put);
        }
        for (const QJsonValue &name : object.value(QStringLiteral("drop")).toArray()) {
            plan.drop.append(name.toString());
            valid = valid && isPlainName(plan.drop.last());
        }
        // The database says whether the change got through; reading it also
        // rolls back what SQLite itself left of a commit cut short.
        bool committed = false;
        if (m_database) {
            if (auto began = m_database->exec(QStringLiteral("BEGIN IMMEDIATE")); !began)
                return editMessages::fromSqlite(m_location, began.error(), true);
            const auto version = changeNumber();
            m_database->rollback();
            if (!version)
                return version.error();
            committed = version.value() == object.value(QStringLiteral("version")).toInteger(-1);
        }
        if (valid && !finish(plan, committed))
            return editMessages::notWritten(m_location.pictures(), errorText());
        repairs.append(committed ? editMessages::finished(m_location.folder())
                                 : editMessages::undone(m_location.folder()));
    }
    for (const QString &path : leftovers()) {
        if (remove(path) && !path.endsWith(QLatin1String("/.pomwit-cards-journal")))
            repairs.append(editMessages::removedLeftover(path));
    }
    return repairs;
}

StoreResult<Done> ChangeJournal::apply(Plan plan, const std::function<StoreResult<Done>()> &change)
{
    const auto fail = [&](const StoreError &error) -> StoreResult<Done> {
        m_database->rollback();
        // Kept when the undoing failed, for the next run to finish.
        if (finish(plan, false))
            remove(journalPath());
        return error;
    };
    const auto version = changeNumber();
    if (!version)
        return fail(version.error());
    QList<QStringList> journalPut;
    for (Put &put : plan.put) {
        if (exists(m_location.picture(put.to)))
            put.backup = temporaryName("old");
        journalPut.append({put.from, put.to, put.backup});
    }
    const auto journal = writeTemporary(journalBytes(journalPut, plan.drop, version.value() + 1),
                                        m_location.folder(), m_location.ownerId(), m_location.groupId());
    if (!journal)
        return fail(journal.error());
    const QString written = m_location.folder() + QLatin1Char('/') + journal.value();
    if (!move(written, journalPath())) {
        const StoreError error = editMessages::notWritten(journalPath(), errorText());
        remove(written);
        return fail(error);
    }
    syncFolder(m_location.folder());
    betweenSteps();
    // The old pictures stay where they are and get a second name, so that
    // the program never finds a card without its picture.
    for (const Put &put : std::as_const(plan.put)) {
        if (!put.backup.isEmpty() && !link(m_location.picture(put.to), m_location.picture(put.backup)))
            return fail(editMessages::notWritten(m_location.picture(put.backup), errorText()));
    }
    betweenSteps();
    for (const Put &put : std::as_const(plan.put)) {
        if (!move(m_location.picture(put.from), m_location.picture(put.to)))
            return fail(editMessages::notWritten(m_location.picture(put.to), errorText()));
        betweenSteps();
    }
    syncFolder(m_location.pictures());
    if (auto changed = change(); !changed)
        return fail(changed.error());
    const QString number = QStringLiteral("PRAGMA user_version = %1").arg(version.value() + 1);
    if (auto numbered = m_database->exec(number); !numbered)
        return fail(editMessages::fromSqlite(m_location, numbered.error(), true));
    betweenSteps();
    if (auto committed = m_database->exec(QStringLiteral("COMMIT")); !committed) {
        m_database->rollback();
        const auto now = changeNumber();
        if (!now || now.value() != version.value() + 1)
            return fail(editMessages::fromSqlite(m_location, committed.error(), true));
    }
    betweenSteps();
    if (finish(plan, true))
        remove(journalPath());
    return Done{};
}

bool ChangeJournal::finish(const Plan &plan, bool committed)
{
    bool ok = true;
    if (committed) {
        for (const QString &name : plan.drop) {
            ok = remove(m_location.picture(name)) && ok;
            betweenSteps();
        }
    } else {
        // A temporary file that is gone was put in place: the old picture
        // comes back from its second name, or the new one goes.
        for (auto put = plan.put.crbegin(); put != plan.put.crend(); ++put) {
            if (exists(m_location.picture(put->from)))
                continue;
            if (!put->backup.isEmpty() && exists(m_location.picture(put->backup)))
                ok = move(m_location.picture(put->backup), m_location.picture(put->to)) && ok;
            else
                ok = remove(m_location.picture(put->to)) && ok;
        }
    }
    for (const Put &put : plan.put) {
        ok = remove(m_location.picture(put.from)) && ok;
        if (!put.backup.isEmpty())
            ok = remove(m_location.picture(put.backup)) && ok;
    }
    syncFolder(m_location.pictures());
    return ok;
}
