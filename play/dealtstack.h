#pragma once

#include "deck/cardstore.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class DrawSequence;

// Deals every card once a round, in random order, so that "all cards have
// been played" is true when it is said. A row is a card, duplicate rows and
// rows without a word included. What the round needs is kept between deals,
// so a deal costs the same for 26 cards as for a million; only a changed card
// set is gone through again. Cards are then told apart by their word (rows
// have no key, and a deleted row moves every later one): cards added during
// a round join it, cards gone are no longer waited for.
class DealtStack
{
public:
    struct Deal
    {
        qint32 position = 0; // in the rows dealt from
        bool roundOver = false;
    };

    // Deals one of the cards not yet dealt this round; the set holds at least
    // one card. Never the card on screen again at once, unless it is all that
    // is left: a round never begins with it.
    Deal deal(const CardSnapshot &cards, const QString &shown, DrawSequence &draws);

private:
    void follow(const CardSnapshot &cards);
    bool isShown(qint32 position, const QString &shown) const;

    std::shared_ptr<const CardRows> m_rows;
    quint64 m_generation = 0;
    QList<qint32> m_undealt;   // positions not yet dealt this round, in no order
    std::vector<bool> m_dealt; // by position
};
