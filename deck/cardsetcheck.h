#pragma once

#include "base/result.h"
#include "deck/cardsetlocation.h"
#include "deck/cardstore.h"
#include "deck/picturefile.h"

#include <QList>
#include <QString>

// Something CardSetCheck finds wrong; row is the card's position from 0, or
// -1 for a file that belongs to no card.
struct CardSetProblem
{
    qint64 row = -1;
    QString message;
};

// What pomwit-cards check and the card workshop report about a card set's
// rows and pictures: words that cannot name a picture or that are one word
// twice, pictures missing or not as the bundled ones, files of no card.
class CardSetCheck
{
public:
    explicit CardSetCheck(const CardSetLocation &location);

    QList<CardSetProblem> problems(const CardRows &rows) const;

    // Why a card bitmap would not show as the bundled ones do; the writer
    // checks a new card's bitmap with the same rule.
    static Result<Done, QString> asBundled(const Result<PictureFile, PictureFile::Error> &picture);

private:
    CardSetLocation m_location;
};
