#include "deck/cardstore.h"

#include "deck/cardsource.h"
#include "deck/jetcardsource.h"
#include "deck/sqlitecardsource.h"
#include "deck/storemessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

enum class Format { Unknown, Sqlite, Jet };

// The format is told by the file's first bytes, never by its name.
Format formatOf(const QByteArray &head)
{
    static const QByteArray sqliteMagic("SQLite format 3\0", 16);
    static const QByteArray jetMagic("\x00\x01\x00\x00Standard Jet DB\0", 20);
    if (head.startsWith(sqliteMagic))
        return Format::Sqlite;
    if (head.startsWith(jetMagic))
        return Format::Jet;
    return Format::Unknown;
}

// Bytes 18 and 19 of a SQLite header are 2 in write-ahead-log mode.
bool isWriteAheadLog(const QByteArray &head)
{
    return head.size() >= 20 && head.at(18) == 2 && head.at(19) == 2;
}

} // namespace

CardStore::CardStore(const QString &applicationFolder)
    : m_folder(applicationFolder)
{
}

QString CardStore::databasePath() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(databaseFileName);
}

QString CardStore::picturesFolder() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(picturesFolderName);
}

StoreResult<std::unique_ptr<CardSource>> CardStore::open() const
{
    const QString path = databasePath();
    const QFileInfo info(path);
    if (!info.exists())
        return storeMessages::missing(path);
    // A folder or a FIFO must not be opened: reading a FIFO would block.
    if (!info.isFile())
        return storeMessages::notARegularFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return storeMessages::notReadable(path, file.errorString());
    const QByteArray head = file.read(20);
    file.close();
    if (head.isEmpty())
        return storeMessages::emptyFile(path);
    switch (formatOf(head)) {
    case Format::Sqlite:
        // Even a read-only opening of a database in write-ahead-log mode leaves
        // -wal and -shm files beside it. With no log there, everything committed
        // is in the file itself, so it is read as an unchanging file instead.
        return std::unique_ptr<CardSource>(std::make_unique<SqliteCardSource>(
            path, isWriteAheadLog(head) && !QFileInfo::exists(path + QLatin1String("-wal"))));
    case Format::Jet:
        return makeJetCardSource(path);
    case Format::Unknown:
        break;
    }
    return storeMessages::notADatabase(path);
}

StoreResult<qint32> CardStore::count() const
{
    auto source = open();
    if (!source)
        return source.error();
    return source.value()->count();
}

StoreResult<std::optional<QString>> CardStore::firstCard() const
{
    auto source = open();
    if (!source)
        return source.error();
    return source.value()->firstCard();
}

StoreResult<QString> CardStore::cardAt(qint32 position) const
{
    auto source = open();
    if (!source)
        return source.error();
    return source.value()->cardAt(position);
}

StoreResult<QStringList> CardStore::words() const
{
    auto source = open();
    if (!source)
        return source.error();
    return source.value()->words();
}

StoreResult<QString> CardStore::picturePath(const QString &word) const
{
    // The word is used unchanged, but it may not lead out of the pictures folder.
    if (word.contains(QLatin1Char('/')) || word.contains(QLatin1Char('\\'))
        || word.contains(QChar(0)) || word == QLatin1String(".") || word == QLatin1String("..")) {
        return storeMessages::make(StoreError::Kind::NoWord,
                QCoreApplication::translate("CardStore",
                                            "The card \"%1\" has no picture: a card word may not contain "
                                            "\"/\" or \"\\\", nor be \".\" or \"..\". Rename the card in the "
                                            "table tblflashcards of \"%2\".")
                    .arg(word, QDir::toNativeSeparators(databasePath())));
    }
    return QString(picturesFolder() + QLatin1Char('/') + word + QLatin1String(".bmp"));
}

StoreResult<CardSnapshot> CardStore::snapshot()
{
    const auto all = words();
    if (!all)
        return all.error();
    auto rows = std::make_shared<CardRows>();
    for (const QString &word : all.value())
        rows->append(word);
    return CardSnapshot{rows, ++m_generation};
}
