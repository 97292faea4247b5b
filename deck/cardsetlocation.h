#pragma once

#include "deck/storeresult.h"

#include <QString>

// Where the card set that pomwit-cards changes lies: the one the program
// reads, pomwit.mdb and pictures/ in its application folder, each followed
// once if it is a link (the package links them into /var/lib). Both must end
// up in one folder.
class CardSetLocation
{
public:
    static StoreResult<CardSetLocation> resolve(const QString &applicationFolder);

    QString folder() const { return m_folder; }
    QString database() const { return m_database; }
    QString pictures() const { return m_pictures; }
    // A file of the pictures folder.
    QString picture(const QString &name) const { return m_pictures + QLatin1Char('/') + name; }
    bool isAccessFile() const { return m_access; }
    // The database's owner, who gets the files that root writes.
    uint ownerId() const { return m_ownerId; }
    uint groupId() const { return m_groupId; }

private:
    CardSetLocation() = default;

    QString m_folder;
    QString m_database;
    QString m_pictures;
    bool m_access = false;
    uint m_ownerId = 0;
    uint m_groupId = 0;
};
