#pragma once

#include "deck/cardsetlocation.h"
#include "deck/changejournal.h"
#include "deck/storeresult.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The pictures folder as a change of several steps will leave it: each name a
// step touched is a new file (a temporary, put in place at the commit) or
// gone. Later steps see what earlier ones did, and the whole change becomes
// one plan for ChangeJournal.
class ChangeBatch
{
public:
    explicit ChangeBatch(const CardSetLocation &location);
    // Deletes the temporaries that no plan took.
    ~ChangeBatch();

    ChangeBatch(const ChangeBatch &) = delete;
    ChangeBatch &operator=(const ChangeBatch &) = delete;

    bool has(const QString &name) const;
    // The card's files as they will be: its pictures (WORD.bmp and the
    // larger ones), its recordings, or both.
    QStringList pictures(const QString &word) const;
    QStringList recordings(const QString &word) const;
    QStringList files(const QString &word) const;

    StoreResult<Done> write(const QString &name, const QByteArray &bytes);
    // The file of one name under another: the old name goes.
    StoreResult<Done> move(const QString &from, const QString &to);
    void drop(const QString &name);

    // The plan for the journal, which from then on owns its temporaries.
    ChangeJournal::Plan takePlan();

private:
    void forget(const QString &name);

    CardSetLocation m_location;
    // Name -> its temporary file; an empty temporary: gone.
    QHash<QString, QString> m_after;
    QStringList m_unused;
};
