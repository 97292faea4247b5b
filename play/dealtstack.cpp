#include "play/dealtstack.h"

#include "play/drawsequence.h"

namespace {

QList<qint32> undealtPositions(const QStringList &words, QHash<QString, int> dealt)
{
    QList<qint32> positions;
    for (qint32 position = 0; position < words.size(); ++position) {
        // The first rows of a word stand for the copies already dealt.
        int &copies = dealt[words[position]];
        if (copies > 0)
            --copies;
        else
            positions.append(position);
    }
    return positions;
}

} // namespace

DealtStack::Deal DealtStack::deal(const QStringList &words, const QString &shown, DrawSequence &draws)
{
    QList<qint32> candidates = undealtPositions(words, m_dealt);
    if (candidates.isEmpty()) {
        m_dealt.clear();
        candidates = undealtPositions(words, m_dealt);
    }
    // Never the card on screen again at once, unless it is all there is.
    QList<qint32> others;
    for (qint32 position : std::as_const(candidates)) {
        if (words[position] != shown)
            others.append(position);
    }
    const bool skipShown = !others.isEmpty() && others.size() < candidates.size();
    const QList<qint32> &from = skipShown ? others : candidates;
    const qint32 position = from[draws.nextPosition(qint32(from.size()))];
    ++m_dealt[words[position]];
    const bool roundOver = candidates.size() == 1;
    if (roundOver)
        m_dealt.clear();
    return {position, roundOver};
}
