#pragma once

#include "deck/cardimage.h"
#include "deck/cardsetchange.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QList>
#include <QThreadPool>

#include <functional>

// The new pictures a grown-up is about to add, each with the word proposed
// from its file name and edited in place, and what is wrong with it. The
// pictures are decoded and fitted as this user, off the GUI thread, several
// at once; nothing is written until the batch is handed over as one change.
class NewPicturesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { WordColumn, ProblemColumn, ColumnCount };

    explicit NewPicturesModel(QObject *parent = nullptr);
    ~NewPicturesModel() override;

    // Why a word cannot be a new card's beside the card set's own cards, or
    // nothing; the model itself finds words given twice in the batch.
    void setWordCheck(std::function<QString(const QString &word)> check);

    void addFiles(const QStringList &paths);
    // Stops decoding and leaves out the pictures not yet decoded.
    void cancel();
    void leaveOut(int row);
    void clear();

    bool isDecoding() const { return m_decoding > 0; }
    int decoded() const { return m_decodedOfRun; }
    int toDecode() const { return m_decodedOfRun + m_decoding; }
    // Every picture decoded and every word one a card may have.
    bool canBeAdded() const;
    QString problem(int row) const;
    // The card bitmap as the child will see it.
    QImage preview(int row) const;
    CardSetChange change() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // Something changed that decides whether the batch can be added.
    void stateChanged();

private:
    struct Picture
    {
        quint64 id = 0;
        QString path;
        QString word;
        QString key; // cardWords::lookAlikeKey(word)
        bool decoded = false;
        QString failure;
        CardImages images;
        QImage thumbnail;
    };

    void decoded(quint64 id, const Result<CardImages, QString> &images, const QImage &thumbnail);

    QList<Picture> m_pictures;
    std::function<QString(const QString &)> m_check;
    QThreadPool m_pool;
    quint64 m_nextId = 0;
    int m_decoding = 0;
    int m_decodedOfRun = 0;
};
