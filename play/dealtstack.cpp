#include "play/dealtstack.h"

#include "play/drawsequence.h"

#include <QHash>

#include <numeric>

namespace {

// Draws that land on the card on screen are drawn again; after this many a
// search finds the others, if there are any.
constexpr int redraws = 8;

} // namespace

void DealtStack::follow(const CardSnapshot &cards)
{
    if (m_rows && cards.generation == m_generation)
        return;
    const CardRows &rows = *cards.rows;
    // The words dealt this round, copies counted; the first rows of a word
    // stand for the copies already dealt.
    QHash<QString, int> dealtWords;
    int dealtWithoutWord = 0;
    if (m_rows) {
        for (qsizetype position = 0; position < m_rows->size(); ++position) {
            if (!m_dealt[size_t(position)])
                continue;
            if (const CardRow &row = m_rows->at(position))
                ++dealtWords[*row];
            else
                ++dealtWithoutWord;
        }
    }
    m_rows = cards.rows;
    m_generation = cards.generation;
    m_dealt.assign(size_t(rows.size()), false);
    m_undealt.clear();
    for (qint32 position = 0; position < rows.size(); ++position) {
        const CardRow &row = rows.at(position);
        int &copies = row ? dealtWords[*row] : dealtWithoutWord;
        if (copies > 0) {
            --copies;
            m_dealt[size_t(position)] = true;
        } else {
            m_undealt.append(position);
        }
    }
}

bool DealtStack::isShown(qint32 position, const QString &shown) const
{
    const CardRow &row = m_rows->at(position);
    return row && !shown.isEmpty() && *row == shown;
}

DealtStack::Deal DealtStack::deal(const CardSnapshot &cards, const QString &shown, DrawSequence &draws)
{
    follow(cards);
    if (m_undealt.isEmpty()) {
        m_undealt.resize(m_rows->size());
        std::iota(m_undealt.begin(), m_undealt.end(), 0);
        m_dealt.assign(m_dealt.size(), false);
    }
    const qint32 left = qint32(m_undealt.size());
    qint32 index = draws.nextPosition(left);
    for (int attempt = 0; attempt < redraws && left > 1 && isShown(m_undealt[index], shown); ++attempt)
        index = draws.nextPosition(left);
    if (isShown(m_undealt[index], shown)) {
        QList<qint32> others;
        for (qint32 i = 0; i < left; ++i) {
            if (!isShown(m_undealt[i], shown))
                others.append(i);
        }
        if (!others.isEmpty())
            index = others[draws.nextPosition(qint32(others.size()))];
    }
    const qint32 position = m_undealt[index];
    m_undealt[index] = m_undealt.constLast();
    m_undealt.removeLast();
    m_dealt[size_t(position)] = true;
    return {position, m_undealt.isEmpty()};
}
