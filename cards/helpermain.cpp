#include "cards/cardsethelper.h"

int main(int argc, char *argv[])
{
    return cardSetHelperMain(argc, argv);
}
