#pragma once

#include "deck/accessconversion.h"
#include "deck/cardsetchange.h"
#include "deck/cardsetlocation.h"
#include "deck/cardstore.h"
#include "deck/changejournal.h"
#include "deck/folderlock.h"
#include "deck/storeresult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ChangeBatch;
class ChangeJournal;
class SqliteDatabase;

// One file of a card: its suffix ("bmp", "jpg" or "png", or "ogg" for its
// recording) and its bytes.
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

// The writing half of the card store, for pomwit-cards, on the card set the
// program reads (see CardSetLocation). Every change is all or nothing (see
// ChangeJournal).
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

    QString folder() const { return m_location.folder(); }
    QString databasePath() const { return m_location.database(); }
    QString picturesFolder() const { return m_location.pictures(); }
    bool isAccessFile() const { return m_access; }
    // What opening did about an interrupted run, a sentence each.
    QStringList repairs() const { return m_repairs; }

    StoreResult<CardRows> rows() const;
    QList<CardSetProblem> check() const;

    // Whether stage() would take the word, before its pictures are made.
    // With newSet the staged cards are to become the whole set (replaceAll):
    // they are not compared with the cards there are now.
    StoreResult<Done> canStage(const QString &word, bool replace, bool newSet = false) const;
    // Writes a card's pictures to temporary files for commit(), which puts
    // every staged card in place at once. With replace, a card that exists
    // gets the new pictures and loses its other ones.
    StoreResult<Done> stage(const QString &word, const QList<CardPictureFile> &pictures, bool replace,
                            bool newSet = false);
    StoreResult<qint64> commit();
    // Returns how many rows went, or changed.
    StoreResult<qint64> remove(const QString &word, bool all);
    StoreResult<qint64> rename(const QString &from, const QString &to);
    StoreResult<ConvertReport> convert();
    // Carries out every step of the change, in order, or none: each step is
    // checked again as if it came from anyone. Returns how many steps there were.
    StoreResult<qint64> apply(const CardSetChange &change);

    // The card set's language tag: "en" when none is set, and for an Access
    // card set, which has no place for one.
    StoreResult<QString> language() const;
    // Sets it from any spelling of a tag ("pt_br" is stored as "pt-BR"): in a
    // transaction of its own, or as a step of one already open.
    StoreResult<Done> setLanguage(const QString &language);
    // Makes the staged cards the whole card set, in the order staged, in the
    // language: every other card and picture goes, all or nothing. The set as
    // it was is first kept whole in a dated folder beside it, whose path
    // comes back.
    StoreResult<QString> replaceAll(const QString &language);

private:
    struct Staged
    {
        QString word;
        QStringList suffixes;
        QStringList temporaries;
        bool replace = false;
    };

    explicit CardSetEditor(const CardSetLocation &location);
    StoreResult<Done> writable() const;
    StoreResult<Done> openDatabase(Mode mode, int busyTimeoutMs);
    ChangeJournal journal() const;
    StoreResult<qint64> rowsWith(const QString &word) const;
    StoreResult<Done> exec(const QString &sql, const QStringList &values = {}) const;
    void rollback();
    // The card's pictures and recordings.
    QStringList siblings(const QString &word) const;
    void discard(const QList<Staged> &staged) const;
    // A card whose word differs from this one only as the child's keys
    // cannot tell (see cardWords::lookAlike), other than the word itself.
    StoreResult<QString> lookAlike(const QString &word, const QString &except = QString()) const;

    // One step of apply() each, inside its transaction.
    StoreResult<Done> applyStep(ChangeBatch &batch, const CardSetChange::AddCard &step);
    StoreResult<Done> applyStep(ChangeBatch &batch, const CardSetChange::RenameCard &step);
    StoreResult<Done> applyStep(ChangeBatch &batch, const CardSetChange::RemoveCard &step);
    StoreResult<Done> applyStep(ChangeBatch &batch, const CardSetChange::SetRecording &step);
    StoreResult<Done> applyStep(ChangeBatch &batch, const CardSetChange::RemoveRecording &step);
    StoreResult<Done> applyStep(ChangeBatch &batch, const CardSetChange::SetLanguage &step);

    CardSetLocation m_location;
    bool m_access = false;
    std::optional<FolderLock> m_lock;
    std::unique_ptr<SqliteDatabase> m_db;
    QStringList m_repairs;
    QList<Staged> m_staged;
};
