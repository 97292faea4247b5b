#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

// Small pictures of the cards for the workshop's list, made only when a row
// is drawn and off the GUI thread, so that a set of a thousand cards opens at
// once and scrolls smoothly. The most recent few hundred are kept.
class ThumbnailCache : public QObject
{
    Q_OBJECT

public:
    static constexpr QSize size{64, 51};

    ThumbnailCache(const QString &picturesFolder, QObject *parent = nullptr);
    ~ThumbnailCache() override;

    // The word's thumbnail, or a null image while it is being made.
    QImage thumbnail(const QString &word);
    // Forgets every thumbnail, for a card set that changed.
    void clear();
    // How many thumbnails were made so far.
    int made() const { return m_made; }

signals:
    void ready(const QString &word);

private:
    QString m_folder;
    QCache<QString, QImage> m_cache;
    QSet<QString> m_pending;
    QThreadPool m_pool;
    quint64 m_generation = 0;
    int m_made = 0;
};
