#include "deck/changesteps.h"

#include "base/languagetag.h"

#include "deck/cardsetcheck.h"
#include "deck/cardsetfiles.h"
#include "deck/cardwords.h"
#include "deck/editmessages.h"
#include "deck/largepictureheader.h"
#include "deck/oggrecording.h"
#include "deck/picturefile.h"
#include "deck/sqlitedatabase.h"

#include <QDir>
#include <QFileInfo>

ChangeSteps::ChangeSteps(const CardSetLocation &location, SqliteDatabase &database, Large large)
    : m_location(location)
    , m_database(database)
    , m_large(large)
    , m_batch(location)
{
}

StoreResult<Done> ChangeSteps::exec(const QString &sql, const QStringList &values) const
{
    if (auto done = m_database.exec(sql, values); !done)
        return editMessages::fromSqlite(m_location, done.error(), true);
    return Done{};
}

StoreResult<qint64> ChangeSteps::rowsWith(const QString &word) const
{
    const auto n = m_database.value("SELECT count(*) FROM tblflashcards WHERE cardname = ?", word);
    if (!n)
        return editMessages::fromSqlite(m_location, n.error(), false);
    return n->toLongLong();
}

StoreResult<QString> ChangeSteps::lookAlike(const QString &word, const QString &except) const
{
    const auto rows = m_database.cardRows();
    if (!rows)
        return editMessages::fromSqlite(m_location, rows.error(), false);
    for (const CardRow &row : rows.value()) {
        if (row && *row != word && *row != except && cardWords::lookAlike(*row, word))
            return *row;
    }
    return QString();
}

StoreResult<Done> ChangeSteps::mayAdd(const QString &typed, bool replace) const
{
    if (const auto usable = cardWords::checkNewWord(typed); !usable)
        return editMessages::badWord(typed, usable.error());
    const QString word = cardWords::stored(typed);
    const auto rows = rowsWith(word);
    if (!rows)
        return rows.error();
    if (rows.value() > 0 && !replace)
        return editMessages::wordExists(word, m_location.database());
    if (const auto alike = lookAlike(word); !alike || !alike->isEmpty())
        return alike ? editMessages::lookAlike(word, alike.value(), m_location.database()) : alike.error();
    return Done{};
}

StoreResult<Done> ChangeSteps::removeAll()
{
    const QDir folder(m_location.pictures());
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString suffix = QFileInfo(name).suffix();
        if (!cardSetFiles::isLeftover(name)
            && (cardWords::pictureSuffixes().contains(suffix) || cardWords::recordingSuffixes().contains(suffix)))
            m_batch.drop(name);
    }
    return exec(QStringLiteral("DELETE FROM tblflashcards"));
}

StoreResult<Done> ChangeSteps::run(const CardSetChange::Step &change)
{
    return std::visit([this](const auto &s) { return step(s); }, change);
}

StoreResult<Done> ChangeSteps::checkLarge(const QString &word, const CardSetChange::AddCard &add) const
{
    // A bundled drawing comes from the package's own files, never a user's.
    if (m_large == Large::PhotoOrDrawing && (add.large.isEmpty() || add.largeSuffix == QLatin1String("svg")))
        return Done{};
    if (const auto large = largePictureHeader::check(add.large, add.largeSuffix); !large)
        return editMessages::badPicture(word, large.error());
    return Done{};
}

StoreResult<Done> ChangeSteps::step(const CardSetChange::AddCard &add)
{
    if (auto possible = mayAdd(add.word, add.replace); !possible)
        return possible;
    const QString word = cardWords::stored(add.word);
    if (const auto bitmap = CardSetCheck::asBundled(PictureFile::fromBytes(add.bitmap)); !bitmap)
        return editMessages::badPicture(word, bitmap.error());
    if (auto large = checkLarge(word, add); !large)
        return large;
    const QString bitmapName = word + QLatin1String(".bmp");
    const QString largeName = add.large.isEmpty() ? QString() : word + QLatin1Char('.') + add.largeSuffix;
    // A card keeps its recording when only its pictures change.
    for (const QString &name : m_batch.pictures(word)) {
        if (name != bitmapName && name != largeName)
            m_batch.drop(name);
    }
    if (auto written = m_batch.write(bitmapName, add.bitmap); !written)
        return written;
    if (!largeName.isEmpty()) {
        if (auto written = m_batch.write(largeName, add.large); !written)
            return written;
    }
    const auto rows = rowsWith(word);
    if (!rows)
        return rows.error();
    if (rows.value() > 0)
        return Done{};
    return exec(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"), {word});
}

StoreResult<Done> ChangeSteps::step(const CardSetChange::RenameCard &rename)
{
    if (const auto usable = cardWords::checkNewWord(rename.to); !usable)
        return editMessages::badWord(rename.to, usable.error());
    const QString to = cardWords::stored(rename.to);
    const auto rows = rowsWith(rename.from);
    const auto taken = rowsWith(to);
    if (!rows || !taken)
        return !rows ? rows.error() : taken.error();
    if (rows.value() == 0)
        return editMessages::noSuchCard(rename.from, m_location.database());
    if (taken.value() > 0)
        return editMessages::wordExists(to, m_location.database());
    if (const auto alike = lookAlike(to, rename.from); !alike || !alike->isEmpty())
        return alike ? editMessages::lookAlike(to, alike.value(), m_location.database()) : alike.error();
    // The files stay under the old word as well until the commit, so that the
    // program finds the card's picture under either word meanwhile.
    QStringList moved;
    for (const QString &name : m_batch.files(rename.from)) {
        moved.append(to + name.mid(rename.from.size()));
        if (auto done = m_batch.move(name, moved.last()); !done)
            return done;
    }
    for (const QString &name : m_batch.files(to)) {
        if (!moved.contains(name))
            m_batch.drop(name);
    }
    return exec(QStringLiteral("UPDATE tblflashcards SET cardname = ? WHERE cardname = ?"), {to, rename.from});
}

StoreResult<Done> ChangeSteps::step(const CardSetChange::RemoveCard &remove)
{
    const auto rows = rowsWith(remove.word);
    if (!rows)
        return rows.error();
    if (rows.value() == 0)
        return editMessages::noSuchCard(remove.word, m_location.database());
    if (rows.value() > 1 && !remove.all)
        return editMessages::severalRows(remove.word, rows.value(), m_location.database());
    for (const QString &name : m_batch.files(remove.word))
        m_batch.drop(name);
    return exec(QStringLiteral("DELETE FROM tblflashcards WHERE cardname = ?"), {remove.word});
}

StoreResult<Done> ChangeSteps::step(const CardSetChange::SetRecording &recording)
{
    if (const auto usable = cardWords::checkFileName(recording.word); !usable)
        return editMessages::badWord(recording.word, usable.error());
    if (const auto checked = OggRecording::check(recording.ogg); !checked)
        return editMessages::badRecording(recording.word, checked.error());
    const auto rows = rowsWith(recording.word);
    if (!rows)
        return rows.error();
    if (rows.value() == 0)
        return editMessages::noSuchCard(recording.word, m_location.database());
    const QString name = recording.word + QLatin1String(".ogg");
    for (const QString &other : m_batch.recordings(recording.word)) {
        if (other != name)
            m_batch.drop(other);
    }
    return m_batch.write(name, recording.ogg);
}

StoreResult<Done> ChangeSteps::step(const CardSetChange::RemoveRecording &recording)
{
    const QStringList recordings = m_batch.recordings(recording.word);
    if (recordings.isEmpty()) {
        const auto rows = rowsWith(recording.word);
        if (!rows)
            return rows.error();
        return rows.value() == 0 ? editMessages::noSuchCard(recording.word, m_location.database())
                                 : editMessages::noRecording(recording.word);
    }
    for (const QString &name : recordings)
        m_batch.drop(name);
    return Done{};
}

StoreResult<Done> ChangeSteps::step(const CardSetChange::SetLanguage &language)
{
    const QString tag = languageTag::canonical(language.language);
    if (tag.isEmpty())
        return editMessages::notALanguage(language.language);
    if (auto set = m_database.setCardSetLanguage(tag); !set)
        return editMessages::fromSqlite(m_location, set.error(), true);
    return Done{};
}
