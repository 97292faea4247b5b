#include "windows/cardlistmodel.h"

#include "deck/cardseteditor.h"
#include "deck/cardwords.h"
#include "windows/thumbnailcache.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QThreadPool>

CardListModel::CardListModel(const QString &applicationFolder, QObject *parent)
    : QAbstractListModel(parent)
    , m_folder(applicationFolder)
    , m_store(applicationFolder)
    , m_rows(std::make_shared<const CardRows>())
{
    m_thumbnails = new ThumbnailCache(m_store.picturesFolder(), this);
    connect(m_thumbnails, &ThumbnailCache::ready, this, [this](const QString &word) {
        for (qsizetype row = 0; row < m_rows->size(); ++row) {
            if (m_rows->at(row) == word)
                emit dataChanged(index(int(row)), index(int(row)), {Qt::DecorationRole});
        }
    });
}

CardListModel::~CardListModel() = default;

QString CardListModel::reload()
{
    const auto snapshot = m_store.snapshot();
    beginResetModel();
    m_rows = snapshot ? snapshot->rows : std::make_shared<const CardRows>();
    m_problems.clear();
    m_thumbnails->clear();
    // One listing of the folder rather than a look for each card: a set may hold thousands.
    m_recorded.clear();
    QStringList patterns;
    for (const QString &suffix : cardWords::recordingSuffixes())
        patterns.append(QLatin1String("*.") + suffix);
    const QDir pictures(m_store.picturesFolder());
    for (const QString &name : pictures.entryList(patterns, QDir::Files | QDir::Hidden | QDir::CaseSensitive))
        m_recorded.insert(name.left(name.lastIndexOf(QLatin1Char('.'))));
    endResetModel();
    if (!snapshot)
        return snapshot.error().message;
    check();
    return {};
}

void CardListModel::check()
{
    const quint64 generation = ++*m_checkGeneration;
    QPointer<CardListModel> model(this);
    QThreadPool::globalInstance()->start([model, generation, folder = m_folder, latest = m_checkGeneration] {
        QHash<qint64, QString> problems;
        if (const auto editor = CardSetEditor::open(folder, CardSetEditor::Mode::Read)) {
            for (const CardSetProblem &problem : editor.value()->check()) {
                if (problem.row >= 0)
                    problems.insert(problem.row, problem.message);
            }
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), [model, generation, latest, problems] {
            if (!model || *latest != generation)
                return;
            model->m_problems = problems;
            if (!model->m_rows->isEmpty())
                emit model->dataChanged(model->index(0), model->index(int(model->m_rows->size()) - 1));
            emit model->checked();
        });
    });
}

QStringList CardListModel::words() const
{
    QStringList words;
    for (const CardRow &row : *m_rows) {
        if (row)
            words.append(*row);
    }
    return words;
}

int CardListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows->size());
}

QVariant CardListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows->size())
        return {};
    const CardRow &word = m_rows->at(index.row());
    const QString problem = m_problems.value(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (!word)
            return tr("(no word)");
        return m_recorded.contains(*word) ? tr("%1 (recorded)").arg(*word) : *word;
    case RecordedRole:
        return word && m_recorded.contains(*word);
    case Qt::EditRole:
    case WordRole:
        return word.value_or(QString());
    case Qt::DecorationRole:
        return word ? m_thumbnails->thumbnail(*word) : QImage();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
    case ProblemRole:
        return problem.isEmpty() ? QVariant() : QVariant(problem);
    case Qt::ForegroundRole:
        return problem.isEmpty() ? QVariant() : QVariant(QColor(Qt::red));
    default:
        return {};
    }
}

Qt::ItemFlags CardListModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable;
}

bool CardListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const QString from = data(index, WordRole).toString();
    const QString to = value.toString();
    if (to != from)
        emit renameAsked(from, to);
    // The list changes once the card set did.
    return false;
}
