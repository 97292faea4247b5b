#pragma once

#include "deck/storeresult.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class CardSource;

// One row of the card words query; none where the row has no word.
using CardRow = std::optional<QString>;
using CardRows = QList<CardRow>;

// Every row of the card set as read at one time.
struct CardSnapshot
{
    std::shared_ptr<const CardRows> rows;
    quint64 generation = 0; // changes exactly when the rows were read again
};


// The card set: the card database "pomwit.mdb" and the "pictures" folder in
// the application folder. Every read opens the database afresh and lets go of
// it before returning, so edits made while the program runs are seen at the
// next read. Nothing is ever written.
class CardStore
{
public:
    static constexpr auto databaseFileName = "pomwit.mdb";
    static constexpr auto picturesFolderName = "pictures";
    static constexpr auto tableName = "tblflashcards";
    static constexpr auto columnName = "cardname";
    static constexpr auto wordsQuery = "SELECT cardname  FROM tblflashcards;";
    static constexpr auto countQuery = "SELECT Count(*) AS Cnt FROM tblflashcards";

    explicit CardStore(const QString &applicationFolder);

    QString applicationFolder() const { return m_folder; }
    QString databasePath() const;
    QString picturesFolder() const;

    StoreResult<qint32> count() const;
    StoreResult<std::optional<QString>> firstCard() const;
    StoreResult<QString> cardAt(qint32 position) const;
    // The card words query read whole: a snapshot of every card, in order.
    StoreResult<QStringList> words() const;
    StoreResult<CardSnapshot> snapshot();

    // The folder, "/pictures/", the word unchanged and ".bmp". A word that
    // would lead out of the pictures folder names no path.
    StoreResult<QString> picturePath(const QString &word) const;

private:
    StoreResult<std::unique_ptr<CardSource>> open() const;

    QString m_folder;
    quint64 m_generation = 0;
};
