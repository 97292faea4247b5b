#pragma once

// Shared by Pomwit's tests: real card sets in temporary folders, and the two
// seams (message boxes, sound) that a test scripts.

#include "app/systemservices.h"
#include "formkit/messagebox.h"
#include "formkit/services.h"
#include "speech/audiooutput.h"
#include "speech/phraseplayer.h"
#include "soundmodule.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <memory>
#include <utility>

namespace testsupport {

struct ShownMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// Records every message instead of showing it.
class RecordingMessageBoxes : public MessageBoxes
{
public:
    void show(QWidget *, const QString &title, const QString &text, QMessageBox::Icon icon) override
    {
        messages.append({title, text, icon});
    }
    QList<ShownMessage> messages;
};

// Captures synthesised speech instead of playing it. A phrase ends by itself
// from the event loop, or, while holding is set, when the test says so;
// it fails when told to.
class RecordingAudioOutput : public AudioOutput
{
public:
    void start(const QByteArray &pcm16Mono, int sampleRate, Finished finished) override
    {
        played.append(pcm16Mono);
        lastSampleRate = sampleRate;
        m_finished = std::move(finished);
        if (!holding)
            QTimer::singleShot(0, &m_context, [this, phrase = ++m_phrase] {
                if (phrase == m_phrase)
                    finish();
            });
    }
    void stop() override
    {
        ++stops;
        ++m_phrase;
        m_finished = nullptr;
    }
    bool isPlaying() const { return bool(m_finished); }
    // Ends the phrase under way: played, or failed with failWith.
    void finish()
    {
        ++m_phrase;
        if (const Finished finished = std::exchange(m_finished, nullptr)) {
            if (failWith.isEmpty())
                finished(Done{});
            else
                finished(SpeechError{SpeechError::Kind::NoSound, failWith});
        }
    }
    QList<QByteArray> played;
    int lastSampleRate = 0;
    QString failWith;
    bool holding = false;
    int stops = 0;

private:
    Finished m_finished;
    quint64 m_phrase = 0;
    QObject m_context;
};

// Runs the work on the card database "pomwit.mdb" in folder, as a parent's
// database tool would; the file is created if missing.
inline bool withCardDatabase(const QString &folder, const std::function<bool(QSqlQuery &)> &work)
{
    const QString name = QStringLiteral("testsupport");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/pomwit.mdb"));
        if (db.open()) {
            QSqlQuery query(db);
            // Test card sets need no crash safety; skipping fsync keeps tests fast.
            ok = query.exec(QStringLiteral("PRAGMA synchronous=OFF")) && work(query);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

inline bool editCardDatabase(const QString &folder, const QString &statement)
{
    return withCardDatabase(folder, [&](QSqlQuery &query) { return query.exec(statement); });
}

// A card table holding the words (a null QVariant is a NULL word).
inline bool writeCardDatabase(const QString &folder, const QList<QVariant> &words,
                              const QString &columnType = QStringLiteral("TEXT"))
{
    return withCardDatabase(folder, [&](QSqlQuery &query) {
        bool ok = query.exec(QStringLiteral("CREATE TABLE tblflashcards (cardname %1)").arg(columnType))
                  && query.exec(QStringLiteral("BEGIN"))
                  && query.prepare(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"));
        for (const QVariant &word : words) {
            query.addBindValue(word);
            ok = ok && query.exec();
        }
        return ok && query.exec(QStringLiteral("COMMIT"));
    });
}

inline QList<QVariant> wordsOf(const QStringList &words)
{
    return QList<QVariant>(words.cbegin(), words.cend());
}

// A plain 273 x 217 picture for each word, in folder/pictures.
inline bool writePictures(const QString &folder, const QStringList &words, QColor colour = Qt::yellow)
{
    QDir(folder).mkpath(QStringLiteral("pictures"));
    QImage image(273, 217, QImage::Format_RGB888);
    image.fill(colour);
    for (const QString &word : words) {
        if (!image.save(folder + QStringLiteral("/pictures/") + word + QStringLiteral(".bmp"), "BMP"))
            return false;
    }
    return true;
}

// The card set's language, as pomwit-cards language sets it.
inline bool setCardSetLanguage(const QString &folder, const QString &language)
{
    return withCardDatabase(folder, [&](QSqlQuery &query) {
        return query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS tblcardset (name TEXT PRIMARY KEY, value TEXT)"))
               && query.exec(QStringLiteral("INSERT OR REPLACE INTO tblcardset VALUES ('language', '%1')").arg(language));
    });
}

// A complete card set: database and pictures.
inline bool writeCardSet(const QString &folder, const QStringList &words)
{
    return writeCardDatabase(folder, wordsOf(words)) && writePictures(folder, words);
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

inline QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

// The real system's services for the card set in folder, with messages and
// speech recorded.
struct TestServices
{
    std::shared_ptr<RecordingMessageBoxes> messages = std::make_shared<RecordingMessageBoxes>();
    std::shared_ptr<RecordingAudioOutput> audio = std::make_shared<RecordingAudioOutput>();
    Services services;

    explicit TestServices(const QString &folder)
    {
        services = systemServices(folder);
        services.messages = messages;
        services.phrases = std::make_shared<PhrasePlayer>(audio);
    }
};

} // namespace testsupport
