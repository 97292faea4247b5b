#pragma once

#include "deck/accessconversion.h"
#include "deck/cardsetcheck.h"
#include "deck/cardsetchange.h"
#include "deck/cardsetlocation.h"
#include "deck/cardstore.h"
#include "deck/changejournal.h"
#include "deck/folderlock.h"
#include "deck/storeresult.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class SqliteDatabase;

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

    // Whether a change would take the word as a new card (with replace: as
    // new pictures of a card that may exist), asked before its photo is
    // decoded; pending is the change being built, whose new cards count too.
    StoreResult<Done> canStage(const QString &word, bool replace, const CardSetChange &pending = {}) const;
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
    // Sets it from any spelling of a tag ("pt_br" is stored as "pt-BR"), as a
    // change of one step.
    StoreResult<Done> setLanguage(const QString &language);
    // Makes the change's new cards the whole card set, in their order:
    // every other card and file goes, all or nothing, and they are not
    // compared with the cards they replace. The set as it was is first kept
    // whole in a dated folder beside it, whose path comes back.
    StoreResult<QString> replaceAll(const CardSetChange &change);

private:
    explicit CardSetEditor(const CardSetLocation &location);
    StoreResult<Done> writable() const;
    StoreResult<Done> openDatabase(Mode mode, int busyTimeoutMs);
    ChangeJournal journal() const;
    StoreResult<Done> exec(const QString &sql, const QStringList &values = {}) const;
    // How many rows hold the word, for what remove and rename report.
    StoreResult<qint64> rowsWith(const QString &word) const;
    // Every change's one transaction and journal plan, after everything was
    // removed when the change is a whole new set.
    StoreResult<qint64> carryOut(const CardSetChange &change, bool newSet);

    CardSetLocation m_location;
    bool m_access = false;
    std::optional<FolderLock> m_lock;
    std::unique_ptr<SqliteDatabase> m_db;
    QStringList m_repairs;
};
