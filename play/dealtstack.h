#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class DrawSequence;

// Deals every card once a round, in random order, so that "all cards have
// been played" is true when it is said. Cards are told apart by their word,
// duplicate rows counting as separate cards: rows have no key, and a deleted
// row moves every later one. Cards added during a round join it; cards gone
// are no longer waited for.
class DealtStack
{
public:
    struct Deal
    {
        qint32 position = 0; // in the words dealt from
        bool roundOver = false;
    };

    // Deals one of the cards not yet dealt this round. A round never begins
    // with the card on screen, when there is another to begin with.
    Deal deal(const QStringList &words, const QString &shown, DrawSequence &draws);

private:
    QHash<QString, int> m_dealt; // this round's cards, by word, with duplicates counted
};
