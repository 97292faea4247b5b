#pragma once

#include "deck/cardsetchange.h"
#include "deck/cardsetlocation.h"
#include "deck/changebatch.h"
#include "deck/changejournal.h"
#include "deck/storeresult.h"

#include <QString>
#include <QStringList>

class SqliteDatabase;

// Carries out the steps of one change of the card set, in order, inside the
// transaction the editor has begun: the rows change at once, the files
// through a ChangeBatch whose plan the journal then puts in place. Each step
// is checked again as if it came from anyone: the word rules, the bitmap's
// header and size, the large picture's header, the recording.
class ChangeSteps
{
public:
    // A card's large picture: a photo's JPEG or PNG, or also a bundled card
    // set's drawing (an SVG, or none), which only pomwit-cards reset brings.
    enum class Large { Photo, PhotoOrDrawing };

    ChangeSteps(const CardSetLocation &location, SqliteDatabase &database, Large large = Large::Photo);

    // Why a card of the word may not be added (with replace: may not have its
    // pictures changed). Also asked outside a change, before a photo is decoded.
    StoreResult<Done> mayAdd(const QString &typed, bool replace) const;

    // Every card goes, with its files and every other picture or recording
    // of the folder: the start of a new whole set.
    StoreResult<Done> removeAll();
    StoreResult<Done> run(const CardSetChange::Step &step);
    ChangeJournal::Plan takePlan() { return m_batch.takePlan(); }

private:
    StoreResult<Done> step(const CardSetChange::AddCard &add);
    StoreResult<Done> step(const CardSetChange::RenameCard &rename);
    StoreResult<Done> step(const CardSetChange::RemoveCard &remove);
    StoreResult<Done> step(const CardSetChange::SetRecording &recording);
    StoreResult<Done> step(const CardSetChange::RemoveRecording &recording);
    StoreResult<Done> step(const CardSetChange::SetLanguage &language);

    StoreResult<Done> checkLarge(const QString &word, const CardSetChange::AddCard &add) const;
    StoreResult<qint64> rowsWith(const QString &word) const;
    // A card whose word differs from this one only as the child's keys
    // cannot tell (see cardWords::lookAlike), other than the word itself.
    StoreResult<QString> lookAlike(const QString &word, const QString &except = QString()) const;
    StoreResult<Done> exec(const QString &sql, const QStringList &values = {}) const;

    CardSetLocation m_location;
    SqliteDatabase &m_database;
    Large m_large;
    ChangeBatch m_batch;
};
