#include "deck/cardseteditor.h"

#include "base/languagetag.h"

#include "deck/cardsetcopy.h"
#include "deck/cardsetfiles.h"
#include "deck/cardwords.h"
#include "deck/changesteps.h"
#include "deck/editmessages.h"
#include "deck/jetcardreader.h"
#include "deck/sqlitedatabase.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using namespace cardSetFiles;

namespace {

StoreResult<Done> makeFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return Done{};
    const QByteArray folder = native(path);
    if (::mkdir(folder.constData(), folderMode) != 0 || ::chmod(folder.constData(), folderMode) != 0)
        return editMessages::notWritten(path, errorText());
    return Done{};
}

} // namespace

CardSetEditor::CardSetEditor(const CardSetLocation &location)
    : m_location(location)
    , m_access(location.isAccessFile())
{
}

StoreResult<std::unique_ptr<CardSetEditor>> CardSetEditor::open(const QString &applicationFolder, Mode mode,
                                                                int busyTimeoutMs)
{
    const auto location = CardSetLocation::resolve(applicationFolder);
    if (!location)
        return location.error();
    std::unique_ptr<CardSetEditor> editor(new CardSetEditor(location.value()));
    if (mode == Mode::Write) {
        if (auto ok = editor->writable(); !ok)
            return ok.error();
        auto lock = FolderLock::take(editor->folder(), busyTimeoutMs);
        if (!lock)
            return lock.error();
        editor->m_lock.emplace(std::move(lock.value()));
    }
    if (!editor->m_access) {
        if (auto opened = editor->openDatabase(mode, busyTimeoutMs); !opened)
            return opened.error();
    }
    if (mode == Mode::Write) {
        const auto repairs = editor->journal().recover();
        if (!repairs)
            return repairs.error();
        editor->m_repairs = repairs.value();
    }
    return editor;
}

CardSetEditor::~CardSetEditor() = default;

ChangeJournal CardSetEditor::journal() const
{
    return ChangeJournal(m_location, m_db.get());
}

StoreResult<Done> CardSetEditor::writable() const
{
    for (const QString &path : {folder(), databasePath(), picturesFolder()}) {
        if (exists(path) && ::access(native(path).constData(), W_OK) != 0)
            return editMessages::notWritable(folder(), errorText());
    }
    return Done{};
}

StoreResult<Done> CardSetEditor::openDatabase(Mode mode, int busyTimeoutMs)
{
    using Access = SqliteDatabase::Access;
    auto db = SqliteDatabase::open(databasePath(), mode == Mode::Write ? Access::Write : Access::Read, busyTimeoutMs);
    if (!db)
        return editMessages::fromSqlite(m_location, db.error(), false);
    m_db = std::move(db.value());
    if (mode == Mode::Write) {
        // The program reads as another user, with no right to the -wal and
        // -shm files that write-ahead logging would leave beside the file.
        const auto journalMode = m_db->value("PRAGMA journal_mode");
        if (!journalMode)
            return editMessages::fromSqlite(m_location, journalMode.error(), false);
        if (journalMode->compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
            return exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    }
    return Done{};
}

StoreResult<Done> CardSetEditor::exec(const QString &sql, const QStringList &values) const
{
    if (auto done = m_db->exec(sql, values); !done)
        return editMessages::fromSqlite(m_location, done.error(), true);
    return Done{};
}

StoreResult<qint64> CardSetEditor::rowsWith(const QString &word) const
{
    const auto n = m_db->value("SELECT count(*) FROM tblflashcards WHERE cardname = ?", word);
    if (!n)
        return editMessages::fromSqlite(m_location, n.error(), false);
    return n->toLongLong();
}

StoreResult<CardRows> CardSetEditor::rows() const
{
    if (m_access)
        return JetCardReader::rows(databasePath());
    auto rows = m_db->cardRows();
    if (!rows)
        return editMessages::fromSqlite(m_location, rows.error(), false);
    return std::move(rows.value());
}

QList<CardSetProblem> CardSetEditor::check() const
{
    QList<CardSetProblem> problems;
    if (!m_lock) {
        for (const QString &path : journal().leftovers())
            problems.append({-1, editMessages::leftover(path)});
    }
    const auto all = rows();
    if (!all) {
        problems.append({-1, all.error().message});
        return problems;
    }
    return problems + CardSetCheck(m_location).problems(all.value());
}

StoreResult<Done> CardSetEditor::canStage(const QString &typed, bool replace, const CardSetChange &pending) const
{
    if (m_access)
        return editMessages::accessFile(databasePath());
    if (const auto usable = cardWords::checkNewWord(typed); !usable)
        return editMessages::badWord(typed, usable.error());
    const QString word = cardWords::stored(typed);
    for (const CardSetChange::Step &step : pending.steps) {
        const auto *add = std::get_if<CardSetChange::AddCard>(&step);
        if (add && cardWords::lookAlike(cardWords::stored(add->word), word))
            return editMessages::wordTwice(word);
    }
    return ChangeSteps(m_location, *m_db).mayAdd(typed, replace);
}

StoreResult<qint64> CardSetEditor::remove(const QString &word, bool all)
{
    const auto rows = m_access ? StoreResult<qint64>(0) : rowsWith(word);
    if (!rows)
        return rows;
    if (auto removed = apply({{CardSetChange::RemoveCard{word, all}}}); !removed)
        return removed;
    return rows;
}

StoreResult<qint64> CardSetEditor::rename(const QString &from, const QString &to)
{
    const auto rows = m_access ? StoreResult<qint64>(0) : rowsWith(from);
    if (!rows)
        return rows;
    if (auto renamed = apply({{CardSetChange::RenameCard{from, to}}}); !renamed)
        return renamed;
    return rows;
}

StoreResult<ConvertReport> CardSetEditor::convert()
{
    if (!m_access)
        return editMessages::notAccessFile(databasePath());
    auto report = AccessConversion::run(m_location);
    if (report)
        m_access = false;
    return report;
}

StoreResult<qint64> CardSetEditor::apply(const CardSetChange &change)
{
    return carryOut(change, false);
}

StoreResult<qint64> CardSetEditor::carryOut(const CardSetChange &change, bool newSet)
{
    if (m_access)
        return editMessages::accessFile(databasePath());
    if (change.steps.isEmpty() && !newSet)
        return 0;
    if (auto made = makeFolder(picturesFolder()); !made)
        return made.error();
    // Taken at once, so that a locked database fails before any file is written.
    if (auto began = exec(QStringLiteral("BEGIN IMMEDIATE")); !began)
        return began.error();
    ChangeSteps steps(m_location, *m_db, newSet ? ChangeSteps::Large::PhotoOrDrawing : ChangeSteps::Large::Photo);
    auto done = newSet ? steps.removeAll() : StoreResult<Done>(Done{});
    for (qsizetype i = 0; done && i < change.steps.size(); ++i)
        done = steps.run(change.steps[i]);
    if (!done) {
        m_db->rollback();
        return done.error();
    }
    // The rows changed already, in the transaction the journal commits.
    const auto applied = journal().apply(steps.takePlan(), [] { return StoreResult<Done>(Done{}); });
    if (!applied)
        return applied.error();
    return qint64(change.steps.size());
}

StoreResult<QString> CardSetEditor::language() const
{
    if (m_access)
        return languageTag::fallback();
    const auto stored = m_db->cardSetLanguage();
    if (!stored)
        return editMessages::fromSqlite(m_location, stored.error(), false);
    const QString tag = languageTag::canonical(stored.value());
    return tag.isEmpty() ? languageTag::fallback() : tag;
}

StoreResult<Done> CardSetEditor::setLanguage(const QString &language)
{
    if (auto set = apply({{CardSetChange::SetLanguage{language}}}); !set)
        return set.error();
    return Done{};
}

StoreResult<QString> CardSetEditor::replaceAll(const CardSetChange &change)
{
    if (m_access)
        return editMessages::accessFile(databasePath());
    const auto kept = CardSetCopy::keep(m_location, *m_db);
    if (!kept)
        return kept.error();
    if (auto replaced = carryOut(change, true); !replaced)
        return replaced.error();
    return kept.value();
}
