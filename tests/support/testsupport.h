#pragma once

// Shared helpers for Pomwit's tests: real card sets in temporary folders, and
// the few seams (message boxes, sound) that a test scripts.

#include "forms/messagebox.h"
#include "forms/services.h"
#include "speech/audiooutput.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace testsupport {

// The offscreen platform warns at every raise(); those lines drown the rest.
inline const bool quietOffscreenWarnings = [] {
    static QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (message.startsWith(QLatin1String("This plugin does not support")))
            return;
        if (previous)
            previous(type, context, message);
    });
    return true;
}();

struct ShownMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// Records every message instead of showing it; an optional hook runs while
// the "box" is open, as a user's actions would.
class RecordingMessageBoxes : public MessageBoxes
{
public:
    void show(QWidget *, const QString &title, const QString &text, QMessageBox::Icon icon) override
    {
        messages.append({title, text, icon});
        if (whileOpen)
            whileOpen(messages.last());
    }
    QList<ShownMessage> messages;
    std::function<void(const ShownMessage &)> whileOpen;
};

// Captures synthesised speech instead of playing it.
class RecordingAudioOutput : public AudioOutput
{
public:
    SpeechResult<> play(const QByteArray &pcm16Mono, int sampleRate) override
    {
        played.append(pcm16Mono);
        lastSampleRate = sampleRate;
        if (!failWith.isEmpty())
            return SpeechError{SpeechError::Kind::NoSound, failWith};
        return Done{};
    }
    QList<QByteArray> played;
    int lastSampleRate = 0;
    QString failWith;
};

// Writes a SQLite card database "pomwit.mdb" with the given words (a null
// QVariant is a NULL word) into folder.
inline bool writeCardDatabase(const QString &folder, const QList<QVariant> &words,
                              const QString &columnType = QStringLiteral("TEXT"))
{
    const QString name = QStringLiteral("testsupport-writer");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/pomwit.mdb"));
        ok = db.open();
        QSqlQuery query(db);
        // Test card sets need no crash safety; skipping fsync keeps tests fast.
        ok = ok && query.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        ok = ok && query.exec(QStringLiteral("CREATE TABLE tblflashcards (cardname %1)").arg(columnType));
        ok = ok && db.transaction();
        ok = ok && query.prepare(QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (?)"));
        for (const QVariant &word : words) {
            query.addBindValue(word);
            ok = ok && query.exec();
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

inline QList<QVariant> wordsOf(const QStringList &words)
{
    QList<QVariant> values;
    for (const QString &word : words)
        values.append(word);
    return values;
}

// Runs one statement on a card database, as a parent's database tool would.
inline bool editCardDatabase(const QString &folder, const QString &statement)
{
    const QString name = QStringLiteral("testsupport-editor");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/pomwit.mdb"));
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(QStringLiteral("PRAGMA synchronous=OFF"));
            ok = query.exec(statement);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
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

// A complete card set: database and pictures.
inline bool writeCardSet(const QString &folder, const QStringList &words)
{
    return writeCardDatabase(folder, wordsOf(words)) && writePictures(folder, words);
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

// Services for a test: the card set in folder, recorded messages and speech.
struct TestServices
{
    std::shared_ptr<RecordingMessageBoxes> messages = std::make_shared<RecordingMessageBoxes>();
    std::shared_ptr<RecordingAudioOutput> audio = std::make_shared<RecordingAudioOutput>();
    Services services;

    explicit TestServices(const QString &folder)
    {
        services = Services::system(folder);
        services.messages = messages;
        services.audio = audio;
    }
};

} // namespace testsupport
