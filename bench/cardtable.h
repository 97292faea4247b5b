#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <functional>

// Writes a card database of the given size quickly: one transaction, bare C API.
inline bool writeCardTable(const QString &path, int rows, const std::function<QByteArray(int)> &wordAt)
{
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        == SQLITE_OK;
    ok = ok && sqlite3_exec(db, "CREATE TABLE tblflashcards (cardname TEXT)", nullptr, nullptr, nullptr) == SQLITE_OK;
    ok = ok && sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt *insert = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "INSERT INTO tblflashcards (cardname) VALUES (?)", -1, &insert, nullptr)
            == SQLITE_OK;
    for (int i = 0; ok && i < rows; ++i) {
        const QByteArray word = wordAt(i);
        sqlite3_bind_text(insert, 1, word.constData(), int(word.size()), SQLITE_TRANSIENT);
        ok = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}
