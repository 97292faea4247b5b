#include "deck/recordingfile.h"

#include "deck/cardwords.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace recordingFile {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("recordingFile", text);
}

} // namespace

std::optional<QString> find(const QString &picturesFolder, const QString &word)
{
    if (!cardWords::checkFileName(word))
        return std::nullopt;
    for (const QString &suffix : cardWords::recordingSuffixes()) {
        const QString path = picturesFolder + QLatin1Char('/') + word + QLatin1Char('.') + suffix;
        if (QFileInfo::exists(path))
            return path;
    }
    return std::nullopt;
}

Result<QByteArray, QString> read(const QString &path, const QString &picturesFolder)
{
    const QFileInfo info(path);
    // A FIFO or a device would block or never end.
    if (!info.isFile())
        return tr("it is not a file");
    const QString folder = QFileInfo(picturesFolder).canonicalFilePath();
    if (folder.isEmpty() || !info.canonicalFilePath().startsWith(folder + QLatin1Char('/')))
        return tr("it points outside the pictures folder");
    if (info.size() > maxBytes)
        return tr("it is too large (%1 MB)").arg(info.size() / (1024 * 1024));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return tr("it is too large (%1 MB)").arg(bytes.size() / (1024 * 1024));
    return bytes;
}

} // namespace recordingFile
