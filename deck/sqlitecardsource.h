#pragma once

#include "deck/cardsource.h"

#include <QString>

// A card database in SQLite 3 format, read through Qt SQL, opened read-only so
// that nothing (not even a journal) is ever written beside it.
class SqliteCardSource : public CardSource
{
public:
    static constexpr int busyTimeoutMs = 2000;

    // An unchanging file is read without locks or change detection (see
    // CardStore::open for when that is safe).
    explicit SqliteCardSource(const QString &path, bool unchanging = false);
    ~SqliteCardSource() override;

    StoreResult<qint32> count() override;
    StoreResult<std::optional<QString>> firstCard() override;
    StoreResult<QString> cardAt(qint32 position) override;
    StoreResult<QStringList> words() override;

private:
    StoreResult<QStringList> readWords(qsizetype limit);
    StoreError openError() const;
    StoreError queryError(const class QSqlError &error) const;

    QString m_path;
    QString m_connection;
    bool m_open = false;
};
