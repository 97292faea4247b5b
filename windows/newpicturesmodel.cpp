#include "windows/newpicturesmodel.h"

#include "deck/cardwords.h"
#include "deck/picturename.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

QImage thumbnailOf(const QByteArray &bitmap)
{
    return QImage::fromData(bitmap, "BMP").scaled(64, 51, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

NewPicturesModel::NewPicturesModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

NewPicturesModel::~NewPicturesModel()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void NewPicturesModel::setWordCheck(std::function<QString(const QString &)> check)
{
    m_check = std::move(check);
}

void NewPicturesModel::addFiles(const QStringList &paths)
{
    QList<Picture> added;
    for (const QString &path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        bool known = false;
        for (const Picture &picture : std::as_const(m_pictures))
            known = known || picture.path == absolute;
        if (known)
            continue;
        const QString word = pictureName::proposedWord(absolute);
        added.append({++m_nextId, absolute, word, cardWords::lookAlikeKey(word), false, {}, {}, {}});
    }
    if (added.isEmpty())
        return;
    if (m_decoding == 0)
        m_decodedOfRun = 0;
    beginInsertRows({}, int(m_pictures.size()), int(m_pictures.size() + added.size()) - 1);
    m_pictures.append(added);
    endInsertRows();
    m_decoding += int(added.size());
    for (const Picture &picture : std::as_const(added)) {
        m_pool.start([this, id = picture.id, path = picture.path] {
            const auto images = makeCardImages(path);
            const QImage thumbnail = images ? thumbnailOf(images->bitmap) : QImage();
            QMetaObject::invokeMethod(this, [this, id, images, thumbnail] { decoded(id, images, thumbnail); });
        });
    }
    emit stateChanged();
}

void NewPicturesModel::decoded(quint64 id, const Result<CardImages, QString> &images, const QImage &thumbnail)
{
    for (qsizetype row = 0; row < m_pictures.size(); ++row) {
        Picture &picture = m_pictures[row];
        if (picture.id != id)
            continue;
        picture.decoded = true;
        if (images)
            picture.images = images.value();
        else
            picture.failure = images.error();
        picture.thumbnail = thumbnail;
        --m_decoding;
        ++m_decodedOfRun;
        emit dataChanged(index(int(row), 0), index(int(row), ColumnCount - 1));
        emit stateChanged();
        return;
    }
}

void NewPicturesModel::cancel()
{
    m_pool.clear();
    for (qsizetype row = m_pictures.size() - 1; row >= 0; --row) {
        if (!m_pictures[row].decoded) {
            beginRemoveRows({}, int(row), int(row));
            m_pictures.removeAt(row);
            endRemoveRows();
        }
    }
    m_decoding = 0;
    emit stateChanged();
}

void NewPicturesModel::leaveOut(int row)
{
    if (row < 0 || row >= m_pictures.size())
        return;
    if (!m_pictures[row].decoded)
        --m_decoding;
    beginRemoveRows({}, row, row);
    m_pictures.removeAt(row);
    endRemoveRows();
    // Words the picture shared with others may be fine now.
    if (!m_pictures.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_pictures.size()) - 1, ColumnCount - 1));
    emit stateChanged();
}

void NewPicturesModel::clear()
{
    m_pool.clear();
    beginResetModel();
    m_pictures.clear();
    endResetModel();
    m_decoding = 0;
    emit stateChanged();
}

QString NewPicturesModel::problem(int row) const
{
    const Picture &picture = m_pictures.at(row);
    if (!picture.decoded)
        return tr("Being read…");
    if (!picture.failure.isEmpty())
        return picture.failure;
    if (picture.word.isEmpty())
        return tr("Type the word for this picture.");
    if (const auto usable = cardWords::checkNewWord(picture.word); !usable)
        return tr("This cannot be a card's word: %1.").arg(usable.error());
    for (qsizetype other = 0; other < m_pictures.size(); ++other) {
        if (other != row && m_pictures[other].key == picture.key)
            return tr("Another new picture has this word: give each picture its own.");
    }
    return m_check ? m_check(picture.word) : QString();
}

bool NewPicturesModel::canBeAdded() const
{
    if (m_pictures.isEmpty() || m_decoding > 0)
        return false;
    for (int row = 0; row < m_pictures.size(); ++row) {
        if (!problem(row).isEmpty())
            return false;
    }
    return true;
}

QImage NewPicturesModel::preview(int row) const
{
    if (row < 0 || row >= m_pictures.size() || m_pictures[row].images.bitmap.isEmpty())
        return {};
    return QImage::fromData(m_pictures[row].images.bitmap, "BMP");
}

CardSetChange NewPicturesModel::change() const
{
    CardSetChange change;
    for (const Picture &picture : m_pictures)
        change.steps.append(CardSetChange::AddCard{picture.word, picture.images.bitmap, picture.images.largeSuffix,
                                                   picture.images.large, false});
    return change;
}

int NewPicturesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pictures.size());
}

int NewPicturesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NewPicturesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_pictures.size())
        return {};
    const Picture &picture = m_pictures[index.row()];
    if (index.column() == ProblemColumn) {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return problem(index.row());
        if (role == Qt::ForegroundRole && picture.decoded)
            return QColor(Qt::red);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return picture.word;
    case Qt::DecorationRole:
        return picture.thumbnail;
    case Qt::ToolTipRole:
        return QDir::toNativeSeparators(picture.path);
    default:
        return {};
    }
}

QVariant NewPicturesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == WordColumn ? tr("Picture and word") : tr("What is missing");
}

Qt::ItemFlags NewPicturesModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == WordColumn ? flags | Qt::ItemIsEditable : flags;
}

bool NewPicturesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != WordColumn)
        return false;
    m_pictures[index.row()].word = value.toString();
    m_pictures[index.row()].key = cardWords::lookAlikeKey(value.toString());
    // Another row's word may clash, or no longer.
    emit dataChanged(this->index(0, 0), this->index(int(m_pictures.size()) - 1, ColumnCount - 1));
    emit stateChanged();
    return true;
}
