#include "cards/cardscommand.h"

int main(int argc, char *argv[])
{
    return pomwitCardsMain(argc, argv);
}
