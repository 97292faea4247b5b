#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

// pomwit-cardset-helper, the privileged side of the card workshop: run as
// root through pkexec, it reads one whole change of the card set on standard
// input and carries it out on the card set installed beside it, all or
// nothing. It takes no folder and no path: only finished, checked data, which
// it checks again. It writes one line when done, or one plain error line and
// a non-zero status (1; 2 for a wrong command line). It never exits with 126
// or 127, which are pkexec's own.
// readInput reads standard input to its end, or to one byte past the bound.
int runCardSetHelper(const QStringList &arguments, const std::function<QByteArray(qint64 most)> &readInput,
                     const QString &applicationFolder, QTextStream &out, QTextStream &err);

int cardSetHelperMain(int argc, char *argv[]);
