// pomwit-cards with a pause between any two steps of a change: every gap is
// wide enough for tst_cardsinterrupted's kill to land in.

#include "cards/cardscommand.h"
#include "deck/cardsetfiles.h"

#include <QThread>

int main(int argc, char *argv[])
{
    cardSetFiles::setBetweenSteps([] { QThread::msleep(15); });
    return pomwitCardsMain(argc, argv);
}
