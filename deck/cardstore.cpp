#include "deck/cardstore.h"

#include "base/languagetag.h"

#include "deck/decklogging.h"
#include "deck/jetcardreader.h"
#include "deck/recordingfile.h"
#include "deck/sqlitedatabase.h"
#include "deck/storemessages.h"

#include <QFileInfo>

#include <atomic>
#include <limits>

namespace {

// Unique across stores, so that a generation names one reading.
std::atomic<quint64> lastGeneration{0};

} // namespace

CardStore::CardStore(const QString &applicationFolder)
    : m_folder(applicationFolder)
{
}

CardStore::~CardStore() = default;

QString CardStore::databasePath() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(databaseFileName);
}

QString CardStore::picturesFolder() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(picturesFolderName);
}

StoreResult<CardSnapshot> CardStore::snapshot()
{
    // Looked at between statements only: closing any descriptor of the file
    // lets go of every lock the process holds on it, and the kept connection
    // holds none between statements.
    const auto file = DatabaseFile::inspect(databasePath());
    if (!file) {
        forget();
        return file.error();
    }
    const auto current = isCurrent(file.value());
    if (!current) {
        forget();
        return current.error();
    }
    if (current.value())
        return m_snapshot;
    auto fresh = read(file.value());
    if (!fresh) {
        forget();
        return fresh.error();
    }
    m_readFrom = file.value();
    m_snapshot = std::move(fresh.value());
    m_snapshot.generation = ++lastGeneration;
    qCDebug(lcDeck) << "read" << m_snapshot.rows->size() << "cards, generation" << m_snapshot.generation;
    return m_snapshot;
}

// Whether the snapshot still holds what the file holds.
StoreResult<bool> CardStore::isCurrent(const DatabaseFile &file)
{
    if (!m_snapshot.rows || !m_readFrom || m_readFrom->kind() != file.kind() || m_readFrom->stamp() != file.stamp())
        return false;
    switch (file.kind()) {
    case DatabaseFile::Kind::Access:
        return true;
    case DatabaseFile::Kind::SqliteWriteAheadLog:
        // Without a log only a checkpoint writes the file, which changes its
        // stamp; with one, commits go to the log.
        return !hasWriteAheadLog();
    case DatabaseFile::Kind::Sqlite:
        break;
    }
    if (!m_kept)
        return false;
    // A commit may leave the same stamp: within one tick of the file
    // system's clock, or with the time set back by a tool that keeps times.
    // SQLite's own counter tells.
    const auto version = m_kept->value("PRAGMA data_version");
    if (!version)
        return storeMessages::fromSqlite(databasePath(), version.error().code, version.error().text);
    return version.value() == m_dataVersion;
}

StoreResult<CardSnapshot> CardStore::read(const DatabaseFile &file)
{
    const QString path = databasePath();
    m_kept.reset();
    if (file.kind() == DatabaseFile::Kind::Access) {
        // An Access card set has no place for a language: it is English.
        auto rows = JetCardReader::rows(path);
        if (!rows)
            return rows.error();
        return CardSnapshot{std::make_shared<const CardRows>(std::move(rows.value())), 0, languageTag::fallback()};
    }
    const auto failed = [&path](const SqliteError &error) {
        return storeMessages::fromSqlite(path, error.code, error.text);
    };
    // Even a read-only connection to a database in write-ahead-log mode
    // leaves -wal and -shm files beside it, so it is not kept. With no log
    // there, everything committed is in the file itself, which is read as an
    // unchanging file: without locks, which would need the -shm file.
    const bool log = file.kind() == DatabaseFile::Kind::SqliteWriteAheadLog;
    const auto access = log && !hasWriteAheadLog() ? SqliteDatabase::Access::ReadUnchanging
                                                   : SqliteDatabase::Access::Read;
    // Opened afresh: a connection to a file since replaced reads the old one.
    auto db = SqliteDatabase::open(path, access, busyTimeoutMs);
    if (!db)
        return failed(db.error());
    if (!log) {
        // Asked before the rows: a commit in between only means one more reading.
        const auto version = db.value()->value("PRAGMA data_version");
        if (!version)
            return failed(version.error());
        m_dataVersion = version.value();
    }
    auto rows = db.value()->cardRows();
    if (!rows)
        return failed(rows.error());
    const auto language = db.value()->cardSetLanguage();
    if (!language)
        return failed(language.error());
    if (!log)
        m_kept = std::move(db.value());
    // A tag that is none (written by hand) counts as no language set.
    const QString tag = languageTag::canonical(language.value());
    return CardSnapshot{std::make_shared<const CardRows>(std::move(rows.value())), 0,
                        tag.isEmpty() ? languageTag::fallback() : tag};
}

bool CardStore::hasWriteAheadLog() const
{
    // SQLite keeps the log beside the file a link leads to.
    const QString target = QFileInfo(databasePath()).canonicalFilePath();
    return QFileInfo::exists((target.isEmpty() ? databasePath() : target) + QLatin1String("-wal"));
}

void CardStore::forget()
{
    m_snapshot = {};
    m_readFrom.reset();
    m_kept.reset();
}

StoreResult<qint32> CardStore::count()
{
    const auto cards = snapshot();
    if (!cards)
        return cards.error();
    return qint32(std::min<qsizetype>(cards->rows->size(), std::numeric_limits<qint32>::max()));
}

StoreResult<std::optional<QString>> CardStore::firstCard()
{
    const auto cards = snapshot();
    if (!cards)
        return cards.error();
    if (cards->rows->isEmpty())
        return std::optional<QString>();
    const CardRow &first = cards->rows->constFirst();
    if (!first)
        return storeMessages::noWord(databasePath(), 0);
    return first;
}

QString CardStore::language() const
{
    return m_snapshot.rows ? m_snapshot.language : languageTag::fallback();
}

StoreResult<QString> CardStore::picturePath(const QString &word) const
{
    // The word is used unchanged, but it may not lead out of the pictures folder.
    if (word.contains(QLatin1Char('/')) || word.contains(QLatin1Char('\\')) || word.contains(QChar(0))
        || word == QLatin1String(".") || word == QLatin1String(".."))
        return storeMessages::unusableWord(databasePath(), word);
    return QString(picturesFolder() + QLatin1Char('/') + word + QLatin1String(".bmp"));
}

std::optional<QString> CardStore::recordingPath(const QString &word) const
{
    return recordingFile::find(picturesFolder(), word);
}
