#include "deck/cardseteditor.h"

#include "deck/cardstore.h"
#include "deck/cardwords.h"
#include "deck/editmessages.h"
#include "deck/jetcardsource.h"
#include "deck/storemessages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QtEndian>

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CardSetEditor", text);
}

constexpr auto journalName = ".pomwit-cards-journal";
constexpr mode_t fileMode = 0644;
constexpr mode_t folderMode = 0755;

// Every temporary name a run makes; whatever matches when no run holds the
// card set is left over from one that was cut off.
bool isLeftover(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\.pomwit-cards-[0-9a-f]{16}\\.(tmp|old|mdb|mdb-journal)$"));
    return pattern.match(name).hasMatch() || name == QLatin1String(journalName);
}

QString temporaryName(const char *suffix)
{
    const quint64 n = QRandomGenerator::system()->generate64();
    return QStringLiteral(".pomwit-cards-%1.%2").arg(n, 16, 16, QLatin1Char('0')).arg(QLatin1String(suffix));
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0;
}

QString errorText(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool removeFile(const QString &path)
{
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT;
}

bool moveFile(const QString &from, const QString &to)
{
    return ::rename(native(from).constData(), native(to).constData()) == 0;
}

bool linkFile(const QString &existing, const QString &link)
{
    return ::link(native(existing).constData(), native(link).constData()) == 0;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A test cuts a run off between any two steps of a change; the pause makes
// every gap wide enough to land in.
void step()
{
    static const int pauseMs = qEnvironmentVariableIntValue("POMWIT_CARDS_TEST_PAUSE");
    if (pauseMs > 0)
        QThread::msleep(pauseMs);
}

QByteArray journalBytes(const QList<QStringList> &put, const QStringList &drop, qint64 version)
{
    QJsonArray puts;
    for (const QStringList &names : put)
        puts.append(QJsonArray::fromStringList(names));
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), version},
                                     {QStringLiteral("put"), puts},
                                     {QStringLiteral("drop"), QJsonArray::fromStringList(drop)}})
        .toJson(QJsonDocument::Compact);
}

// A name from a journal, to be used only inside the pictures folder.
bool plainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..");
}

struct BitmapCheck
{
    bool missing = false;
    // Why it would not show as the bundled pictures do, or nothing.
    QString problem;
};

BitmapCheck checkBitmap(const QString &path, const QString &picturesFolder)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {true, {}};
    if (info.isSymLink() && !info.canonicalFilePath().startsWith(picturesFolder + QLatin1Char('/')))
        return {false, tr("it points outside the pictures folder")};
    if (!info.isFile())
        return {false, tr("it is not a file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    const QByteArray head = file.read(54);
    if (head.size() < 54 || !head.startsWith("BM"))
        return {false, tr("it is not a BMP file")};
    const auto at32 = [&head](int offset) { return qFromLittleEndian<qint32>(head.constData() + offset); };
    const int bits = qFromLittleEndian<quint16>(head.constData() + 28);
    if (bits != 24)
        return {false, tr("it has %1 bits a pixel").arg(bits)};
    if (at32(30) != 0)
        return {false, tr("it is compressed")};
    if (at32(18) != 273 || std::abs(at32(22)) != 217)
        return {false, tr("it is %1 × %2 pixels").arg(at32(18)).arg(std::abs(at32(22)))};
    constexpr qint64 rowBytes = (273 * 3 + 3) / 4 * 4;
    if (qint64(quint32(at32(10))) + rowBytes * 217 > info.size())
        return {false, tr("it is cut short")};
    return {};
}

} // namespace

StoreResult<std::unique_ptr<CardSetEditor>> CardSetEditor::open(const QString &applicationFolder, Mode mode,
                                                                int busyTimeoutMs)
{
    std::unique_ptr<CardSetEditor> editor(new CardSetEditor);
    if (auto resolved = editor->resolve(applicationFolder); !resolved)
        return resolved.error();
    if (mode == Mode::Write) {
        if (auto ok = editor->writable(); !ok)
            return ok.error();
        if (auto locked = editor->lock(busyTimeoutMs); !locked)
            return locked.error();
    }
    if (!editor->m_access) {
        if (auto opened = editor->openDatabase(mode, busyTimeoutMs); !opened)
            return opened.error();
    }
    if (mode == Mode::Write) {
        if (auto recovered = editor->recover(); !recovered)
            return recovered.error();
    }
    return editor;
}

CardSetEditor::~CardSetEditor()
{
    for (const Staged &card : std::as_const(m_staged)) {
        for (const QString &name : card.temporaries)
            removeFile(picture(name));
    }
    if (m_db)
        sqlite3_close_v2(m_db);
    if (m_folderLock >= 0)
        ::close(m_folderLock);
}

QString CardSetEditor::picture(const QString &name) const
{
    return m_pictures + QLatin1Char('/') + name;
}

StoreResult<Done> CardSetEditor::resolve(const QString &applicationFolder)
{
    const QString app = QFileInfo(applicationFolder).canonicalFilePath();
    if (app.isEmpty())
        return storeMessages::missing(QDir(applicationFolder).filePath(QLatin1String(CardStore::databaseFileName)));
    // A link in the application folder is followed once (the package's lead
    // into /var/lib); a link to a link is not.
    const auto followOnce = [&app](const QString &path) -> StoreResult<QString> {
        if (!QFileInfo(path).isSymLink())
            return path;
        char target[4096];
        const ssize_t length = ::readlink(native(path).constData(), target, sizeof target - 1);
        if (length < 0)
            return storeMessages::notReadable(path, errorText());
        const QString link = QFile::decodeName(QByteArray(target, int(length)));
        const QString resolved = QDir::cleanPath(QDir(app).absoluteFilePath(link));
        if (QFileInfo(resolved).isSymLink())
            return editMessages::linkedTwice(path, resolved);
        return resolved;
    };
    const auto database = followOnce(app + QLatin1Char('/') + QLatin1String(CardStore::databaseFileName));
    if (!database)
        return database.error();
    const QFileInfo info(database.value());
    if (!info.exists())
        return storeMessages::missing(database.value());
    if (!info.isFile())
        return storeMessages::notARegularFile(database.value());
    m_folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    m_database = m_folder + QLatin1Char('/') + info.fileName();
    m_pictures = m_folder + QLatin1Char('/') + QLatin1String(CardStore::picturesFolderName);
    const QString picturesLink = app + QLatin1Char('/') + QLatin1String(CardStore::picturesFolderName);
    if (exists(picturesLink) || app != m_folder) {
        const auto pictures = followOnce(picturesLink);
        if (!pictures)
            return pictures.error();
        if (QFileInfo(pictures.value()).canonicalFilePath() != m_pictures)
            return editMessages::picturesElsewhere(pictures.value(), m_database);
    }
    struct stat st;
    if (::stat(native(m_database).constData(), &st) == 0) {
        m_ownerId = st.st_uid;
        m_groupId = st.st_gid;
    }

    QFile file(m_database);
    if (!file.open(QIODevice::ReadOnly))
        return storeMessages::notReadable(m_database, file.errorString());
    const QByteArray head = file.read(20);
    if (head.isEmpty())
        return storeMessages::emptyFile(m_database);
    if (head.startsWith(QByteArray("\x00\x01\x00\x00Standard Jet DB\0", 20)))
        m_access = true;
    else if (!head.startsWith(QByteArray("SQLite format 3\0", 16)))
        return storeMessages::notADatabase(m_database);
    return Done{};
}

StoreResult<Done> CardSetEditor::writable() const
{
    for (const QString &path : {m_folder, m_database, m_pictures}) {
        if (exists(path) && ::access(native(path).constData(), W_OK) != 0)
            return editMessages::notWritable(m_folder, errorText());
    }
    return Done{};
}

StoreResult<Done> CardSetEditor::lock(int busyTimeoutMs)
{
    m_folderLock = ::open(native(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folderLock < 0)
        return editMessages::notWritable(m_folder, errorText());
    // Taken on the folder, not the database: SQLite's own locks on the
    // database file would be lost when another descriptor of it is closed.
    const QDeadlineTimer deadline(busyTimeoutMs);
    while (::flock(m_folderLock, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return editMessages::notWritable(m_folder, errorText());
        if (deadline.hasExpired())
            return editMessages::busy(m_folder);
        QThread::msleep(20);
    }
    return Done{};
}

StoreResult<Done> CardSetEditor::openDatabase(Mode mode, int busyTimeoutMs)
{
    const int flags = (mode == Mode::Write ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOFOLLOW;
    if (sqlite3_open_v2(native(m_database).constData(), &m_db, flags, nullptr) != SQLITE_OK)
        return sqlError(false);
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    if (mode == Mode::Write) {
        // The program reads as another user, with no right to the -wal and
        // -shm files that write-ahead logging would leave beside the file.
        sqlite3_stmt *statement = nullptr;
        int rc = sqlite3_prepare_v2(m_db, "PRAGMA journal_mode", -1, &statement, nullptr);
        if (rc == SQLITE_OK)
            rc = sqlite3_step(statement);
        const bool wal = rc == SQLITE_ROW
            && qstricmp(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)), "wal") == 0;
        sqlite3_finalize(statement);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            return sqlError(false);
        if (wal) {
            if (auto done = exec(QStringLiteral("PRAGMA journal_mode=DELETE")); !done)
                return done.error();
        }
    }
    return Done{};
}

StoreError CardSetEditor::sqlError(bool changing) const
{
    const int code = m_db ? sqlite3_extended_errcode(m_db) : SQLITE_CANTOPEN;
    const QString text = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
    if ((code & 0xff) == SQLITE_READONLY && code != SQLITE_READONLY_ROLLBACK)
        return editMessages::notWritable(m_folder, text);
    StoreError error = storeMessages::fromSqlite(m_database, code, text);
    if (changing && error.kind == StoreError::Kind::Failed)
        return editMessages::notChanged(m_database, text);
    return error;
}

StoreResult<Done> CardSetEditor::exec(const QString &sql, const QStringList &values) const
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        return sqlError(true);
    for (int i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement, i + 1, values[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        return sqlError(true);
    return Done{};
}

namespace {

// The first column of the first row of a query, as a number.
std::optional<qint64> number(sqlite3 *db, const char *sql, const QString &value = QString())
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        return std::nullopt;
    if (!value.isNull())
        sqlite3_bind_text(statement, 1, value.toUtf8().constData(), -1, SQLITE_TRANSIENT);
    std::optional<qint64> result;
    if (sqlite3_step(statement) == SQLITE_ROW)
        result = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return result;
}

} // namespace

StoreResult<qint64> CardSetEditor::rowsWith(const QString &word) const
{
    if (const auto n = number(m_db, "SELECT count(*) FROM tblflashcards WHERE cardname = ?", word))
        return *n;
    return sqlError(false);
}

StoreResult<qint64> CardSetEditor::userVersion() const
{
    if (const auto n = number(m_db, "PRAGMA user_version"))
        return *n;
    return sqlError(false);
}

StoreResult<Done> CardSetEditor::begin()
{
    // Taken at once, so that a locked database fails before any file moves.
    return exec(QStringLiteral("BEGIN IMMEDIATE"));
}

void CardSetEditor::rollback()
{
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

QStringList CardSetEditor::siblings(const QString &word) const
{
    QStringList names;
    if (!cardWords::fileNameProblem(word).isEmpty())
        return names;
    for (const QString &suffix : cardWords::pictureSuffixes()) {
        const QString name = word + QLatin1Char('.') + suffix;
        if (exists(picture(name)))
            names.append(name);
    }
    return names;
}

QStringList CardSetEditor::leftovers() const
{
    QStringList paths;
    for (const QString &folder : {m_folder, m_pictures}) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
            if (isLeftover(name))
                paths.append(dir.filePath(name));
        }
    }
    // A conversion cut off after keeping the Access file under its new name.
    struct stat kept, database;
    const QString keptPath = m_database + QLatin1String(".access");
    if (::lstat(native(keptPath).constData(), &kept) == 0 && ::lstat(native(m_database).constData(), &database) == 0
        && kept.st_ino == database.st_ino && kept.st_dev == database.st_dev)
        paths.append(keptPath);
    return paths;
}

StoreResult<Done> CardSetEditor::recover()
{
    const QString journalPath = m_folder + QLatin1Char('/') + QLatin1String(journalName);
    QFile journal(journalPath);
    if (journal.open(QIODevice::ReadOnly)) {
        const QJsonObject object = QJsonDocument::fromJson(journal.readAll()).object();
        journal.close();
        Plan plan;
        bool valid = true;
        for (const QJsonValue &entry : object.value(QStringLiteral("put")).toArray()) {
            const QJsonArray names = entry.toArray();
            plan.put.append({names.at(0).toString(), names.at(1).toString(), names.at(2).toString()});
            valid = valid && isLeftover(plan.put.last().from) && plainName(plan.put.last().to)
                && (plan.put.last().backup.isEmpty() || isLeftover(plan.put.last().backup));
        }
        for (const QJsonValue &name : object.value(QStringLiteral("drop")).toArray()) {
            plan.drop.append(name.toString());
            valid = valid && plainName(plan.drop.last());
        }
        // The database says whether the change got through; reading it also
        // rolls back what SQLite itself left of a commit cut short.
        bool committed = false;
        if (!m_access) {
            if (auto began = begin(); !began)
                return began.error();
            const auto version = userVersion();
            rollback();
            if (!version)
                return version.error();
            committed = version.value() == object.value(QStringLiteral("version")).toInteger(-1);
        }
        if (valid && !finish(plan, committed))
            return editMessages::notWritten(m_pictures, errorText());
        m_repairs.append(committed ? editMessages::finished(m_folder) : editMessages::undone(m_folder));
    }
    for (const QString &path : leftovers()) {
        if (removeFile(path) && !path.endsWith(QLatin1String(journalName)))
            m_repairs.append(editMessages::removedLeftover(path));
    }
    return Done{};
}

StoreResult<QString> CardSetEditor::writeTemporary(const QByteArray &bytes, const QString &folder)
{
    const QString name = temporaryName("tmp");
    const QString path = folder + QLatin1Char('/') + name;
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, fileMode);
    if (fd < 0)
        return editMessages::notWritten(path, errorText());
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    // The mode is set whatever the umask, so that the program may read the
    // file as any user; a file written by root for a user's card set is theirs.
    bool ok = done == bytes.size() && ::fchmod(fd, fileMode) == 0;
    if (ok && ::geteuid() == 0)
        ok = ::fchown(fd, m_ownerId, m_groupId) == 0;
    ok = ok && ::fdatasync(fd) == 0;
    const int error = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        removeFile(path);
        return editMessages::notWritten(path, errorText(error));
    }
    return name;
}

StoreResult<QList<CardRow>> CardSetEditor::rows() const
{
    if (m_access)
        return readJetRows(m_database);
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_db, CardStore::wordsQuery, -1, &statement, nullptr) != SQLITE_OK)
        return sqlError(false);
    QList<CardRow> rows;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (sqlite3_column_type(statement, 0) == SQLITE_NULL)
            rows.append(std::nullopt);
        else
            rows.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)),
                                          sqlite3_column_bytes(statement, 0)));
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        return sqlError(false);
    return rows;
}

QList<CardSetProblem> CardSetEditor::check() const
{
    QList<CardSetProblem> problems;
    if (m_folderLock < 0) {
        for (const QString &path : leftovers())
            problems.append({-1, editMessages::leftover(path)});
    }
    const auto all = rows();
    if (!all) {
        problems.append({-1, all.error().message});
        return problems;
    }
    QSet<QString> words;
    for (qint64 row = 0; row < all.value().size(); ++row) {
        const CardRow &word = all.value().at(row);
        if (!word || word->isEmpty()) {
            problems.append({row, editMessages::noWord(row, m_database)});
            continue;
        }
        words.insert(*word);
        if (const QString reason = cardWords::fileNameProblem(*word); !reason.isEmpty()) {
            problems.append({row, editMessages::wordUnusable(row, *word, reason)});
            continue;
        }
        const QString path = picture(*word + QLatin1String(".bmp"));
        const BitmapCheck bitmap = checkBitmap(path, m_pictures);
        if (bitmap.missing)
            problems.append({row, editMessages::noPicture(row, *word, path)});
        else if (!bitmap.problem.isEmpty())
            problems.append({row, editMessages::wrongPicture(row, *word, path, bitmap.problem)});
    }
    const QDir pictures(m_pictures);
    for (const QString &name : pictures.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot > 0 && !isLeftover(name) && cardWords::pictureSuffixes().contains(name.mid(dot + 1))
            && !words.contains(name.left(dot)))
            problems.append({-1, editMessages::pictureWithoutCard(pictures.filePath(name))});
    }
    return problems;
}

StoreResult<Done> CardSetEditor::canStage(const QString &word, bool replace) const
{
    if (m_access)
        return editMessages::accessFile(m_database);
    if (const QString reason = cardWords::newWordProblem(word); !reason.isEmpty())
        return editMessages::badWord(word, reason);
    for (const Staged &card : std::as_const(m_staged)) {
        if (card.word == word)
            return editMessages::wordTwice(word);
    }
    const auto rows = rowsWith(word);
    if (!rows)
        return rows.error();
    if (rows.value() > 0 && !replace)
        return editMessages::wordExists(word, m_database);
    return Done{};
}

StoreResult<Done> CardSetEditor::stage(const QString &word, const QList<CardPictureFile> &pictures, bool replace)
{
    if (auto possible = canStage(word, replace); !possible)
        return possible.error();
    if (!QFileInfo(m_pictures).isDir()) {
        const QByteArray folder = native(m_pictures);
        if (::mkdir(folder.constData(), folderMode) != 0 || ::chmod(folder.constData(), folderMode) != 0)
            return editMessages::notWritten(m_pictures, errorText());
    }
    Staged card{word, {}, {}, replace};
    for (const CardPictureFile &file : pictures) {
        const auto name = writeTemporary(file.bytes, m_pictures);
        if (!name) {
            for (const QString &written : std::as_const(card.temporaries))
                removeFile(picture(written));
            return name.error();
        }
        card.suffixes.append(file.suffix);
        card.temporaries.append(name.value());
        step();
    }
    m_staged.append(card);
    return Done{};
}

StoreResult<qint64> CardSetEditor::commit()
{
    const QList<Staged> staged = std::exchange(m_staged, {});
    const auto discard = [&staged, this] {
        for (const Staged &card : staged) {
            for (const QString &name : card.temporaries)
                removeFile(picture(name));
        }
    };
    if (auto began = begin(); !began) {
        discard();
        return began.error();
    }
    Plan plan;
    QStringList added;
    for (const Staged &card : staged) {
        // Checked again under the lock: another program may have added it.
        const auto rows = rowsWith(card.word);
        if (!rows || (rows.value() > 0 && !card.replace)) {
            rollback();
            discard();
            return rows ? editMessages::wordExists(card.word, m_database) : rows.error();
        }
        if (rows.value() == 0)
            added.append(card.word);
        QStringList names;
        for (qsizetype i = 0; i < card.suffixes.size(); ++i) {
            names.append(card.word + QLatin1Char('.') + card.suffixes[i]);
            plan.put.append({card.temporaries[i], names.last(), QString()});
        }
        for (const QString &name : siblings(card.word)) {
            if (!names.contains(name))
                plan.drop.append(name);
        }
    }
    const auto applied = apply(plan, [&added, this]() -> StoreResult<Done> {
        for (const QString &word : std::as_const(added)) {
            if (auto done = exec(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"), {word}); !done)
                return done;
        }
        return Done{};
    });
    if (!applied)
        return applied.error();
    return qint64(staged.size());
}

StoreResult<qint64> CardSetEditor::remove(const QString &word, bool all)
{
    if (m_access)
        return editMessages::accessFile(m_database);
    if (auto began = begin(); !began)
        return began.error();
    const auto rows = rowsWith(word);
    if (!rows || rows.value() == 0 || (rows.value() > 1 && !all)) {
        rollback();
        if (!rows)
            return rows.error();
        return rows.value() == 0 ? editMessages::noSuchCard(word, m_database)
                                 : editMessages::severalRows(word, rows.value(), m_database);
    }
    const auto applied = apply({{}, siblings(word)}, [&word, this] {
        return exec(QStringLiteral("DELETE FROM tblflashcards WHERE cardname = ?"), {word});
    });
    if (!applied)
        return applied.error();
    return rows.value();
}

StoreResult<qint64> CardSetEditor::rename(const QString &from, const QString &to)
{
    if (m_access)
        return editMessages::accessFile(m_database);
    if (const QString reason = cardWords::newWordProblem(to); !reason.isEmpty())
        return editMessages::badWord(to, reason);
    if (auto began = begin(); !began)
        return began.error();
    const auto rows = rowsWith(from);
    const auto taken = rowsWith(to);
    if (!rows || !taken || rows.value() == 0 || taken.value() > 0) {
        rollback();
        if (!rows || !taken)
            return !rows ? rows.error() : taken.error();
        return rows.value() == 0 ? editMessages::noSuchCard(from, m_database)
                                 : editMessages::wordExists(to, m_database);
    }
    // The pictures get their new names as second links, so that the program
    // finds the card's picture under either word until the row changes.
    Plan plan;
    QStringList names;
    for (const QString &name : siblings(from)) {
        const QString temporary = temporaryName("tmp");
        if (!linkFile(picture(name), picture(temporary))) {
            const QString error = errorText();
            rollback();
            for (const Put &put : std::as_const(plan.put))
                removeFile(picture(put.from));
            return editMessages::notWritten(picture(temporary), error);
        }
        names.append(to + name.mid(from.size()));
        plan.put.append({temporary, names.last(), QString()});
        plan.drop.append(name);
    }
    for (const QString &name : siblings(to)) {
        if (!names.contains(name))
            plan.drop.append(name);
    }
    const auto applied = apply(plan, [&from, &to, this] {
        return exec(QStringLiteral("UPDATE tblflashcards SET cardname = ? WHERE cardname = ?"), {to, from});
    });
    if (!applied)
        return applied.error();
    return rows.value();
}

StoreResult<Done> CardSetEditor::apply(Plan plan, const std::function<StoreResult<Done>()> &change)
{
    const QString journalPath = m_folder + QLatin1Char('/') + QLatin1String(journalName);
    const auto fail = [&](const StoreError &error) -> StoreResult<Done> {
        rollback();
        // Kept when the undoing failed, for the next run to finish.
        if (finish(plan, false))
            removeFile(journalPath);
        return error;
    };
    const auto version = userVersion();
    if (!version)
        return fail(version.error());
    QList<QStringList> journalPut;
    for (Put &put : plan.put) {
        if (exists(picture(put.to)))
            put.backup = temporaryName("old");
        journalPut.append({put.from, put.to, put.backup});
    }
    const auto journal = writeTemporary(journalBytes(journalPut, plan.drop, version.value() + 1), m_folder);
    if (!journal)
        return fail(journal.error());
    if (!moveFile(m_folder + QLatin1Char('/') + journal.value(), journalPath)) {
        const StoreError error = editMessages::notWritten(journalPath, errorText());
        removeFile(m_folder + QLatin1Char('/') + journal.value());
        return fail(error);
    }
    syncFolder(m_folder);
    step();
    // The old pictures stay where they are and get a second name, so that
    // the program never finds a card without its picture.
    for (const Put &put : std::as_const(plan.put)) {
        if (!put.backup.isEmpty() && !linkFile(picture(put.to), picture(put.backup)))
            return fail(editMessages::notWritten(picture(put.backup), errorText()));
    }
    step();
    for (const Put &put : std::as_const(plan.put)) {
        if (!moveFile(picture(put.from), picture(put.to)))
            return fail(editMessages::notWritten(picture(put.to), errorText()));
        step();
    }
    syncFolder(m_pictures);
    if (auto changed = change(); !changed)
        return fail(changed.error());
    if (auto numbered = exec(QStringLiteral("PRAGMA user_version = %1").arg(version.value() + 1)); !numbered)
        return fail(numbered.error());
    step();
    if (auto committed = exec(QStringLiteral("COMMIT")); !committed) {
        rollback();
        const auto now = userVersion();
        if (!now || now.value() != version.value() + 1)
            return fail(committed.error());
    }
    step();
    if (finish(plan, true))
        removeFile(journalPath);
    return Done{};
}

bool CardSetEditor::finish(const Plan &plan, bool committed)
{
    bool ok = true;
    if (committed) {
        for (const QString &name : plan.drop) {
            ok = removeFile(picture(name)) && ok;
            step();
        }
    } else {
        // A temporary file that is gone was put in place: the old picture
        // comes back from its second name, or the new one goes.
        for (auto put = plan.put.crbegin(); put != plan.put.crend(); ++put) {
            if (exists(picture(put->from)))
                continue;
            if (!put->backup.isEmpty() && exists(picture(put->backup)))
                ok = moveFile(picture(put->backup), picture(put->to)) && ok;
            else
                ok = removeFile(picture(put->to)) && ok;
        }
    }
    for (const Put &put : plan.put) {
        ok = removeFile(picture(put.from)) && ok;
        if (!put.backup.isEmpty())
            ok = removeFile(picture(put.backup)) && ok;
    }
    syncFolder(m_pictures);
    return ok;
}

StoreResult<ConvertReport> CardSetEditor::convert()
{
    if (!m_access)
        return editMessages::notAccessFile(m_database);
    const QString kept = m_database + QLatin1String(".access");
    if (exists(kept))
        return editMessages::accessCopyExists(kept);
    const auto rows = readJetRows(m_database);
    if (!rows)
        return rows.error();

    const QString temporary = m_folder + QLatin1Char('/') + temporaryName("mdb");
    const auto discard = [&temporary] {
        removeFile(temporary);
        removeFile(temporary + QLatin1String("-journal"));
    };
    ConvertReport report;
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(native(temporary).constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW, nullptr)
        == SQLITE_OK;
    const char *create = "CREATE TABLE tblflashcards (cardname TEXT); BEGIN";
    ok = ok && sqlite3_exec(db, create, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt *insert = nullptr;
    const char *add = "INSERT INTO tblflashcards (cardname) VALUES (?)";
    ok = ok && sqlite3_prepare_v2(db, add, -1, &insert, nullptr) == SQLITE_OK;
    for (qint64 row = 0; ok && row < rows.value().size(); ++row) {
        const CardRow &word = rows.value().at(row);
        if (!word) {
            report.leftOut.append(row);
            continue;
        }
        sqlite3_bind_text(insert, 1, word->toUtf8().constData(), -1, SQLITE_TRANSIENT);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
        ++report.cards;
    }
    sqlite3_finalize(insert);
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    const QString reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    sqlite3_close_v2(db);
    const QByteArray path = native(temporary);
    ok = ok && ::chmod(path.constData(), fileMode) == 0;
    ok = ok && (::geteuid() != 0 || ::chown(path.constData(), m_ownerId, m_groupId) == 0);
    if (ok) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        ok = fd >= 0 && ::fsync(fd) == 0;
        if (fd >= 0)
            ::close(fd);
    }
    if (!ok) {
        discard();
        return editMessages::notWritten(m_database, reason);
    }
    step();
    // The Access file keeps its data under a second name before the SQLite
    // one takes the first: a run cut off in between leaves the same file twice.
    if (!linkFile(m_database, kept)) {
        const QString error = errorText();
        discard();
        return editMessages::notWritten(kept, error);
    }
    step();
    if (!moveFile(temporary, m_database)) {
        const QString error = errorText();
        removeFile(kept);
        discard();
        return editMessages::notWritten(m_database, error);
    }
    syncFolder(m_folder);
    m_access = false;
    return report;
}
