#pragma once

#include "deck/storeresult.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class CardSource;

// Where a card's picture lies, or why the card's word cannot name one.
struct PicturePath
{
    QString path;
    QString error;
    bool ok() const { return error.isEmpty(); }
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

    // The folder, "/pictures/", the word unchanged and ".bmp". A word that
    // would lead out of the pictures folder names no path.
    PicturePath picturePath(const QString &word) const;

private:
    StoreResult<std::unique_ptr<CardSource>> open() const;

    QString m_folder;
};
