#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// pomwit-cards: runs one command line (arguments[0] is the program's name)
// on the card set in ownFolder, or in the one --folder names, and returns the
// exit status: 0 done, 1 failed or found something wrong, 2 a usage error.
int runPomwitCards(const QStringList &arguments, const QString &ownFolder, QTextStream &out, QTextStream &err);

// The program: its application object, then its command line.
int pomwitCardsMain(int argc, char *argv[]);
