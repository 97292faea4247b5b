#include "deck/cardseteditor.h"

#include "base/languagetag.h"

#include "deck/cardsetcopy.h"
#include "deck/cardsetfiles.h"
#include "deck/cardwords.h"
#include "deck/changebatch.h"
#include "deck/changejournal.h"
#include "deck/editmessages.h"
#include "deck/jetcardreader.h"
#include "deck/largepictureheader.h"
#include "deck/oggrecording.h"
#include "deck/picturefile.h"
#include "deck/sqlitedatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

using namespace cardSetFiles;

// The texts' context, which the translation tools take from the namespace.
namespace cardSetEditor {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("cardSetEditor", text);
}

} // namespace

// Why the picture would not show as the bundled pictures do.
Result<Done, QString> asBundled(const Result<PictureFile, PictureFile::Error> &picture)
{
    using Kind = PictureFile::Error::Kind;
    if (!picture) {
        switch (picture.error().kind) {
        case Kind::OutsideFolder:
            return tr("it points outside the pictures folder");
        case Kind::Missing:
        case Kind::NotAFile:
            return tr("it is not a file");
        case Kind::Unreadable:
            break;
        }
        return picture.error().reason;
    }
    if (!picture->hasBitmapHeader())
        return tr("it is not a BMP file");
    if (picture->bitsPerPixel() != 24)
        return tr("it has %1 bits a pixel").arg(picture->bitsPerPixel());
    if (picture->isCompressed())
        return tr("it is compressed");
    const QSize size = picture->bitmapSize();
    if (size != QSize(PictureFile::cardWidth, PictureFile::cardHeight))
        return tr("it is %1 × %2 pixels").arg(size.width()).arg(size.height());
    if (picture->isCutShort())
        return tr("it is cut short");
    return Done{};
}

StoreResult<Done> makeFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return Done{};
    const QByteArray folder = native(path);
    if (::mkdir(folder.constData(), folderMode) != 0 || ::chmod(folder.constData(), folderMode) != 0)
        return editMessages::notWritten(path, errorText());
    return Done{};
}

bool isRecordingOf(const QString &word, const QString &name)
{
    return cardWords::recordingSuffixes().contains(name.mid(word.size() + 1));
}

} // namespace cardSetEditor

using cardSetEditor::asBundled;
using cardSetEditor::isRecordingOf;
using cardSetEditor::makeFolder;

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

CardSetEditor::~CardSetEditor()
{
    for (const Staged &card : std::as_const(m_staged)) {
        for (const QString &name : card.temporaries)
            cardSetFiles::remove(m_location.picture(name));
    }
}

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

void CardSetEditor::rollback()
{
    if (m_db)
        m_db->rollback();
}

StoreResult<qint64> CardSetEditor::rowsWith(const QString &word) const
{
    const auto n = m_db->value("SELECT count(*) FROM tblflashcards WHERE cardname = ?", word);
    if (!n)
        return editMessages::fromSqlite(m_location, n.error(), false);
    return n->toLongLong();
}

QStringList CardSetEditor::siblings(const QString &word) const
{
    QStringList names;
    if (!cardWords::checkFileName(word))
        return names;
    for (const QString &suffix : cardWords::pictureSuffixes() + cardWords::recordingSuffixes()) {
        const QString name = word + QLatin1Char('.') + suffix;
        if (exists(m_location.picture(name)))
            names.append(name);
    }
    return names;
}

StoreResult<QString> CardSetEditor::lookAlike(const QString &word, const QString &except) const
{
    const auto all = rows();
    if (!all)
        return all.error();
    for (const CardRow &row : all.value()) {
        if (row && *row != word && *row != except && cardWords::lookAlike(*row, word))
            return *row;
    }
    return QString();
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
    QSet<QString> words;
    QHash<QString, qint64> forms; // each word's composed form, at its first row
    for (qint64 row = 0; row < all.value().size(); ++row) {
        const CardRow &word = all.value().at(row);
        if (!word || word->isEmpty()) {
            problems.append({row, editMessages::noWord(row, databasePath())});
            continue;
        }
        words.insert(*word);
        const qint64 first = forms.value(cardWords::stored(*word), row);
        forms.insert(cardWords::stored(*word), first);
        if (const CardRow &other = all.value().at(first); cardWords::differOnlyInForm(*other, *word))
            problems.append({row, editMessages::sameWordTwice(first, *other, row, *word)});
        if (const auto usable = cardWords::checkFileName(*word); !usable) {
            problems.append({row, editMessages::wordUnusable(row, *word, usable.error())});
            continue;
        }
        const QString path = m_location.picture(*word + QLatin1String(".bmp"));
        const auto picture = PictureFile::open(path, picturesFolder());
        if (!picture && picture.error().kind == PictureFile::Error::Kind::Missing)
            problems.append({row, editMessages::noPicture(row, *word, path)});
        else if (const auto bundled = asBundled(picture); !bundled)
            problems.append({row, editMessages::wrongPicture(row, *word, path, bundled.error())});
    }
    const QDir pictures(picturesFolder());
    for (const QString &name : pictures.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString suffix = name.mid(dot + 1);
        if (dot > 0 && !isLeftover(name)
            && (cardWords::pictureSuffixes().contains(suffix) || cardWords::recordingSuffixes().contains(suffix))
            && !words.contains(name.left(dot)))
            problems.append({-1, editMessages::pictureWithoutCard(pictures.filePath(name))});
    }
    return problems;
}

StoreResult<Done> CardSetEditor::canStage(const QString &typed, bool replace, bool newSet) const
{
    if (m_access)
        return editMessages::accessFile(databasePath());
    if (const auto usable = cardWords::checkNewWord(typed); !usable)
        return editMessages::badWord(typed, usable.error());
    const QString word = cardWords::stored(typed);
    for (const Staged &card : std::as_const(m_staged)) {
        if (cardWords::lookAlike(card.word, word))
            return editMessages::wordTwice(word);
    }
    if (newSet)
        return Done{};
    const auto rows = rowsWith(word);
    if (!rows)
        return rows.error();
    if (rows.value() > 0 && !replace)
        return editMessages::wordExists(word, databasePath());
    const auto alike = lookAlike(word);
    if (!alike || !alike->isEmpty())
        return alike ? editMessages::lookAlike(word, alike.value(), databasePath()) : alike.error();
    return Done{};
}

StoreResult<Done> CardSetEditor::stage(const QString &word, const QList<CardPictureFile> &pictures, bool replace,
                                       bool newSet)
{
    if (auto possible = canStage(word, replace, newSet); !possible)
        return possible.error();
    if (auto made = makeFolder(picturesFolder()); !made)
        return made.error();
    for (const CardPictureFile &file : pictures) {
        if (file.suffix == QLatin1String("ogg")) {
            if (const auto recording = OggRecording::check(file.bytes); !recording)
                return editMessages::badRecording(word, recording.error());
        }
    }
    Staged card{cardWords::stored(word), {}, {}, replace};
    for (const CardPictureFile &file : pictures) {
        const auto name = writeTemporary(file.bytes, picturesFolder(), m_location.ownerId(), m_location.groupId());
        if (!name) {
            for (const QString &written : std::as_const(card.temporaries))
                cardSetFiles::remove(m_location.picture(written));
            return name.error();
        }
        card.suffixes.append(file.suffix);
        card.temporaries.append(name.value());
        betweenSteps();
    }
    m_staged.append(card);
    return Done{};
}

StoreResult<qint64> CardSetEditor::commit()
{
    const QList<Staged> staged = std::exchange(m_staged, {});
    // Taken at once, so that a locked database fails before any file moves.
    if (auto began = exec(QStringLiteral("BEGIN IMMEDIATE")); !began) {
        discard(staged);
        return began.error();
    }
    ChangeJournal::Plan plan;
    QStringList added;
    for (const Staged &card : staged) {
        // Checked again under the lock: another program may have added it.
        const auto rows = rowsWith(card.word);
        if (!rows || (rows.value() > 0 && !card.replace)) {
            rollback();
            discard(staged);
            return rows ? editMessages::wordExists(card.word, databasePath()) : rows.error();
        }
        if (rows.value() == 0)
            added.append(card.word);
        QStringList names;
        for (qsizetype i = 0; i < card.suffixes.size(); ++i) {
            names.append(card.word + QLatin1Char('.') + card.suffixes[i]);
            plan.put.append({card.temporaries[i], names.last(), QString()});
        }
        // A card keeps its recording when only its pictures change.
        const bool recorded = card.suffixes.contains(QLatin1String("ogg"));
        for (const QString &name : siblings(card.word)) {
            if (!names.contains(name) && (recorded || !isRecordingOf(card.word, name)))
                plan.drop.append(name);
        }
    }
    const auto applied = journal().apply(plan, [&added, this]() -> StoreResult<Done> {
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
        return editMessages::accessFile(databasePath());
    if (auto began = exec(QStringLiteral("BEGIN IMMEDIATE")); !began)
        return began.error();
    const auto rows = rowsWith(word);
    if (!rows || rows.value() == 0 || (rows.value() > 1 && !all)) {
        rollback();
        if (!rows)
            return rows.error();
        return rows.value() == 0 ? editMessages::noSuchCard(word, databasePath())
                                 : editMessages::severalRows(word, rows.value(), databasePath());
    }
    const auto applied = journal().apply({{}, siblings(word)}, [&word, this] {
        return exec(QStringLiteral("DELETE FROM tblflashcards WHERE cardname = ?"), {word});
    });
    if (!applied)
        return applied.error();
    return rows.value();
}

StoreResult<qint64> CardSetEditor::rename(const QString &from, const QString &typedTo)
{
    if (m_access)
        return editMessages::accessFile(databasePath());
    if (const auto usable = cardWords::checkNewWord(typedTo); !usable)
        return editMessages::badWord(typedTo, usable.error());
    const QString to = cardWords::stored(typedTo);
    if (auto began = exec(QStringLiteral("BEGIN IMMEDIATE")); !began)
        return began.error();
    const auto rows = rowsWith(from);
    const auto taken = rowsWith(to);
    if (!rows || !taken || rows.value() == 0 || taken.value() > 0) {
        rollback();
        if (!rows || !taken)
            return !rows ? rows.error() : taken.error();
        return rows.value() == 0 ? editMessages::noSuchCard(from, databasePath())
                                 : editMessages::wordExists(to, databasePath());
    }
    if (const auto alike = lookAlike(to, from); !alike || !alike->isEmpty()) {
        rollback();
        return alike ? editMessages::lookAlike(to, alike.value(), databasePath()) : alike.error();
    }
    // The pictures get their new names as second links, so that the program
    // finds the card's picture under either word until the row changes.
    ChangeJournal::Plan plan;
    QStringList names;
    for (const QString &name : siblings(from)) {
        const QString temporary = temporaryName("tmp");
        if (!link(m_location.picture(name), m_location.picture(temporary))) {
            const QString error = errorText();
            rollback();
            for (const ChangeJournal::Put &put : std::as_const(plan.put))
                cardSetFiles::remove(m_location.picture(put.from));
            return editMessages::notWritten(m_location.picture(temporary), error);
        }
        names.append(to + name.mid(from.size()));
        plan.put.append({temporary, names.last(), QString()});
        plan.drop.append(name);
    }
    for (const QString &name : siblings(to)) {
        if (!names.contains(name))
            plan.drop.append(name);
    }
    const auto applied = journal().apply(plan, [&from, &to, this] {
        return exec(QStringLiteral("UPDATE tblflashcards SET cardname = ? WHERE cardname = ?"), {to, from});
    });
    if (!applied)
        return applied.error();
    return rows.value();
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
    if (m_access)
        return editMessages::accessFile(databasePath());
    if (change.steps.isEmpty())
        return 0;
    if (auto made = makeFolder(picturesFolder()); !made)
        return made.error();
    if (auto began = exec(QStringLiteral("BEGIN IMMEDIATE")); !began)
        return began.error();
    ChangeBatch batch(m_location);
    for (const CardSetChange::Step &step : change.steps) {
        const auto done = std::visit([&batch, this](const auto &s) { return applyStep(batch, s); }, step);
        if (!done) {
            rollback();
            return done.error();
        }
    }
    // The rows changed already, in the transaction the journal commits.
    const auto applied = journal().apply(batch.takePlan(), [] { return StoreResult<Done>(Done{}); });
    if (!applied)
        return applied.error();
    return qint64(change.steps.size());
}

StoreResult<Done> CardSetEditor::applyStep(ChangeBatch &batch, const CardSetChange::AddCard &step)
{
    if (const auto usable = cardWords::checkNewWord(step.word); !usable)
        return editMessages::badWord(step.word, usable.error());
    const QString word = cardWords::stored(step.word);
    if (const auto bitmap = asBundled(PictureFile::fromBytes(step.bitmap)); !bitmap)
        return editMessages::badPicture(word, bitmap.error());
    if (const auto large = largePictureHeader::check(step.large, step.largeSuffix); !large)
        return editMessages::badPicture(word, large.error());
    const auto rows = rowsWith(word);
    if (!rows)
        return rows.error();
    if (rows.value() > 0 && !step.replace)
        return editMessages::wordExists(word, databasePath());
    if (const auto alike = lookAlike(word); !alike || !alike->isEmpty())
        return alike ? editMessages::lookAlike(word, alike.value(), databasePath()) : alike.error();
    const QString bitmapName = word + QLatin1String(".bmp"), largeName = word + QLatin1Char('.') + step.largeSuffix;
    for (const QString &name : batch.pictures(word)) {
        if (name != bitmapName && name != largeName)
            batch.drop(name);
    }
    if (auto written = batch.write(bitmapName, step.bitmap); !written)
        return written;
    if (auto written = batch.write(largeName, step.large); !written)
        return written;
    if (rows.value() > 0)
        return Done{};
    return exec(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"), {word});
}

StoreResult<Done> CardSetEditor::applyStep(ChangeBatch &batch, const CardSetChange::RenameCard &step)
{
    if (const auto usable = cardWords::checkNewWord(step.to); !usable)
        return editMessages::badWord(step.to, usable.error());
    const QString to = cardWords::stored(step.to);
    const auto rows = rowsWith(step.from);
    const auto taken = rowsWith(to);
    if (!rows || !taken)
        return !rows ? rows.error() : taken.error();
    if (rows.value() == 0)
        return editMessages::noSuchCard(step.from, databasePath());
    if (taken.value() > 0)
        return editMessages::wordExists(to, databasePath());
    if (const auto alike = lookAlike(to, step.from); !alike || !alike->isEmpty())
        return alike ? editMessages::lookAlike(to, alike.value(), databasePath()) : alike.error();
    QStringList moved;
    for (const QString &name : batch.files(step.from)) {
        moved.append(to + name.mid(step.from.size()));
        if (auto done = batch.move(name, moved.last()); !done)
            return done;
    }
    for (const QString &name : batch.files(to)) {
        if (!moved.contains(name))
            batch.drop(name);
    }
    return exec(QStringLiteral("UPDATE tblflashcards SET cardname = ? WHERE cardname = ?"), {to, step.from});
}

StoreResult<Done> CardSetEditor::applyStep(ChangeBatch &batch, const CardSetChange::RemoveCard &step)
{
    const auto rows = rowsWith(step.word);
    if (!rows)
        return rows.error();
    if (rows.value() == 0)
        return editMessages::noSuchCard(step.word, databasePath());
    if (rows.value() > 1 && !step.all)
        return editMessages::severalRows(step.word, rows.value(), databasePath());
    for (const QString &name : batch.files(step.word))
        batch.drop(name);
    return exec(QStringLiteral("DELETE FROM tblflashcards WHERE cardname = ?"), {step.word});
}

StoreResult<Done> CardSetEditor::applyStep(ChangeBatch &batch, const CardSetChange::SetRecording &step)
{
    if (const auto usable = cardWords::checkFileName(step.word); !usable)
        return editMessages::badWord(step.word, usable.error());
    if (const auto recording = OggRecording::check(step.ogg); !recording)
        return editMessages::badRecording(step.word, recording.error());
    const auto rows = rowsWith(step.word);
    if (!rows)
        return rows.error();
    if (rows.value() == 0)
        return editMessages::noSuchCard(step.word, databasePath());
    const QString name = step.word + QLatin1String(".ogg");
    for (const QString &recording : batch.recordings(step.word)) {
        if (recording != name)
            batch.drop(recording);
    }
    return batch.write(name, step.ogg);
}

StoreResult<Done> CardSetEditor::applyStep(ChangeBatch &batch, const CardSetChange::RemoveRecording &step)
{
    const QStringList recordings = batch.recordings(step.word);
    if (recordings.isEmpty()) {
        const auto rows = rowsWith(step.word);
        if (!rows)
            return rows.error();
        return rows.value() == 0 ? editMessages::noSuchCard(step.word, databasePath())
                                 : editMessages::noRecording(step.word);
    }
    for (const QString &recording : recordings)
        batch.drop(recording);
    return Done{};
}

StoreResult<Done> CardSetEditor::applyStep(ChangeBatch &, const CardSetChange::SetLanguage &step)
{
    return setLanguage(step.language);
}
void CardSetEditor::discard(const QList<Staged> &staged) const
{
    for (const Staged &card : staged) {
        for (const QString &name : card.temporaries)
            cardSetFiles::remove(m_location.picture(name));
    }
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
    if (m_access)
        return editMessages::accessFile(databasePath());
    const QString tag = languageTag::canonical(language);
    if (tag.isEmpty())
        return editMessages::notALanguage(language);
    // Its own transaction, or a step of a change whose transaction is open.
    const bool own = !m_db->inTransaction();
    if (auto began = own ? exec(QStringLiteral("BEGIN IMMEDIATE")) : Done{}; !began)
        return began;
    if (auto set = m_db->setCardSetLanguage(tag); !set) {
        if (own)
            rollback();
        return editMessages::fromSqlite(m_location, set.error(), true);
    }
    if (auto committed = own ? exec(QStringLiteral("COMMIT")) : Done{}; !committed) {
        rollback();
        return committed;
    }
    return Done{};
}

StoreResult<QString> CardSetEditor::replaceAll(const QString &language)
{
    const QList<Staged> staged = std::exchange(m_staged, {});
    const QString tag = languageTag::canonical(language);
    const auto refuse = [&staged, this](const StoreError &error) -> StoreResult<QString> {
        discard(staged);
        return error;
    };
    if (m_access)
        return refuse(editMessages::accessFile(databasePath()));
    if (tag.isEmpty())
        return refuse(editMessages::notALanguage(language));
    const auto kept = CardSetCopy::keep(m_location, *m_db);
    if (!kept)
        return refuse(kept.error());
    if (auto began = exec(QStringLiteral("BEGIN IMMEDIATE")); !began)
        return refuse(began.error());
    ChangeJournal::Plan plan;
    QSet<QString> names;
    for (const Staged &card : staged) {
        for (qsizetype i = 0; i < card.suffixes.size(); ++i) {
            plan.put.append({card.temporaries[i], card.word + QLatin1Char('.') + card.suffixes[i], QString()});
            names.insert(plan.put.last().to);
        }
    }
    const QDir pictures(picturesFolder());
    for (const QString &name : pictures.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString suffix = QFileInfo(name).suffix();
        if (!names.contains(name) && !isLeftover(name) && cardWords::pictureSuffixes().contains(suffix))
            plan.drop.append(name);
    }
    const auto applied = journal().apply(plan, [&staged, &tag, this]() -> StoreResult<Done> {
        if (auto emptied = exec(QStringLiteral("DELETE FROM tblflashcards")); !emptied)
            return emptied;
        for (const Staged &card : staged) {
            if (auto done = exec(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"), {card.word}); !done)
                return done;
        }
        if (auto set = m_db->setCardSetLanguage(tag); !set)
            return editMessages::fromSqlite(m_location, set.error(), true);
        return Done{};
    });
    if (!applied)
        return applied.error();
    return kept.value();
}
