#pragma once

#include "deck/cardstore.h"
#include "deck/storeresult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

struct sqlite3;


// One picture of a card: its suffix ("bmp", "jpg" or "png") and its bytes.
struct CardPictureFile
{
    QString suffix;
    QByteArray bytes;
};

// Something check() finds wrong; row is the card's position from 0, or -1
// for a file that belongs to no card.
struct CardSetProblem
{
    qint64 row = -1;
    QString message;
};

struct ConvertReport
{
    qint64 cards = 0;
    // Positions (from 0) of the Access rows without a word, left out.
    QList<qint64> leftOut;
};

// The writing half of the card store, for pomwit-cards. The card set is the
// one the program reads: pomwit.mdb and pictures/ in its application folder,
// each followed once if it is a link (the package links them to /var/lib).
//
// Every change is all or nothing. New pictures are written to temporary files
// first; a journal beside the database then lists the files to put in place
// and the database's change number (its user_version) once done. The files
// are put in place (the old ones kept as hard links), the rows change and the
// change number rises in one transaction, and only then are old pictures
// deleted. A run cut off at any point is finished or undone by the next one,
// by whether the database holds the journal's change number.
class CardSetEditor
{
public:
    enum class Mode { Read, Write };

    // Read mode changes nothing and takes no lock. Write mode takes the card
    // set for this object's life, from other pomwit-cards runs, and first
    // finishes or undoes what an interrupted run left.
    static StoreResult<std::unique_ptr<CardSetEditor>> open(const QString &applicationFolder, Mode mode,
                                                            int busyTimeoutMs = 2000);
    ~CardSetEditor();

    CardSetEditor(const CardSetEditor &) = delete;
    CardSetEditor &operator=(const CardSetEditor &) = delete;

    QString folder() const { return m_folder; }
    QString databasePath() const { return m_database; }
    QString picturesFolder() const { return m_pictures; }
    bool isAccessFile() const { return m_access; }
    // What opening did about an interrupted run, a sentence each.
    QStringList repairs() const { return m_repairs; }

    StoreResult<QList<CardRow>> rows() const;
    QList<CardSetProblem> check() const;

    // Whether stage() would take the word, before its pictures are made.
    StoreResult<Done> canStage(const QString &word, bool replace) const;
    // Writes a card's pictures to temporary files for commit(), which puts
    // every staged card in place at once. With replace, a card that exists
    // gets the new pictures and loses its other ones.
    StoreResult<Done> stage(const QString &word, const QList<CardPictureFile> &pictures, bool replace);
    StoreResult<qint64> commit();
    // Returns how many rows went, or changed.
    StoreResult<qint64> remove(const QString &word, bool all);
    StoreResult<qint64> rename(const QString &from, const QString &to);
    // An Access card set into a SQLite one in its place, rows in the same
    // order; the Access file is kept as pomwit.mdb.access.
    StoreResult<ConvertReport> convert();

private:
    struct Put
    {
        QString from;
        QString to;
        QString backup;
    };
    struct Staged
    {
        QString word;
        QStringList suffixes;
        QStringList temporaries;
        bool replace = false;
    };
    struct Plan
    {
        QList<Put> put;
        QStringList drop;
    };

    CardSetEditor() = default;
    StoreResult<Done> resolve(const QString &applicationFolder);
    StoreResult<Done> lock(int busyTimeoutMs);
    StoreResult<Done> openDatabase(Mode mode, int busyTimeoutMs);
    StoreResult<Done> recover();
    StoreResult<Done> writable() const;
    StoreResult<QString> writeTemporary(const QByteArray &bytes, const QString &folder);
    StoreResult<qint64> rowsWith(const QString &word) const;
    StoreResult<qint64> userVersion() const;
    StoreResult<Done> exec(const QString &sql, const QStringList &values = {}) const;
    StoreResult<Done> begin();
    void rollback();
    QStringList siblings(const QString &word) const;
    QStringList leftovers() const;
    // Puts the plan's files in place, runs the change (already begun), commits.
    StoreResult<Done> apply(Plan plan, const std::function<StoreResult<Done>()> &change);
    // Ends an interrupted plan, forwards if it was committed or back if not.
    bool finish(const Plan &plan, bool committed);
    StoreError sqlError(bool changing) const;
    QString picture(const QString &name) const;

    QString m_folder;
    QString m_database;
    QString m_pictures;
    bool m_access = false;
    int m_folderLock = -1;
    sqlite3 *m_db = nullptr;
    QStringList m_repairs;
    QList<Staged> m_staged;
    uint m_ownerId = 0;
    uint m_groupId = 0;
};
