#include "windows/thumbnailcache.h"

#include "play/cardpicture.h"

#include <QPainter>

ThumbnailCache::ThumbnailCache(const QString &picturesFolder, QObject *parent)
    : QObject(parent)
    , m_folder(picturesFolder)
    , m_cache(400)
{
    m_pool.setMaxThreadCount(1);
}

ThumbnailCache::~ThumbnailCache()
{
    m_pool.clear();
    m_pool.waitForDone();
}

QImage ThumbnailCache::thumbnail(const QString &word)
{
    if (const QImage *image = m_cache.object(word))
        return *image;
    if (m_pending.contains(word))
        return {};
    m_pending.insert(word);
    m_pool.start([this, word, folder = m_folder, generation = m_generation] {
        // A picture that cannot be shown gets the card window's stand-in.
        const auto picture = CardPicture::load(folder + QLatin1Char('/') + word + QLatin1String(".bmp"), folder);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QImage source = picture ? picture.value() : placeholderPicture(word, QSize(273, 217));
        const QImage fitted = source.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter(&image).drawImage((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2, fitted);
        QMetaObject::invokeMethod(this, [this, word, image, generation] {
            if (generation != m_generation)
                return;
            m_pending.remove(word);
            m_cache.insert(word, new QImage(image));
            ++m_made;
            emit ready(word);
        });
    });
    return {};
}

void ThumbnailCache::clear()
{
    m_pool.clear();
    ++m_generation;
    m_pending.clear();
    m_cache.clear();
}
