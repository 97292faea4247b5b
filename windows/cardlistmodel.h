#pragma once

#include "deck/cardstore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QSet>

#include <memory>

class ThumbnailCache;

// The cards of the card set for the workshop's list: each card's word and its
// thumbnail, and the problem pomwit-cards check would report for it, found
// off the GUI thread. Editing a word asks for a rename; the list itself
// changes only when the card set did.
class CardListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { ProblemRole = Qt::UserRole + 1, WordRole, RecordedRole };

    CardListModel(const QString &applicationFolder, QObject *parent = nullptr);
    ~CardListModel() override;

    // Reads the card set again; says why not, or nothing.
    QString reload();
    ThumbnailCache &thumbnails() const { return *m_thumbnails; }
    // The words, to tell a new one from those there are.
    QStringList words() const;
    int problems() const { return int(m_problems.size()); }
    // The card set's language as of the last reload.
    QString language() const { return m_store.language(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void renameAsked(const QString &from, const QString &to);
    // The check of the card set is done: the marks are in.
    void checked();

private:
    void check();

    QString m_folder;
    CardStore m_store;
    std::shared_ptr<const CardRows> m_rows;
    QHash<qint64, QString> m_problems;
    QSet<QString> m_recorded; // the words that have a recording
    ThumbnailCache *m_thumbnails = nullptr;
    std::shared_ptr<quint64> m_checkGeneration = std::make_shared<quint64>(0);
};
