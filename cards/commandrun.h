#pragma once

#include "base/result.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>

class CardSetEditor;

namespace cards {

enum Status { Success = 0, Failure = 1, Usage = 2 };

// One command line, parsed: options may come anywhere before "--", after it
// everything is a word.
struct Arguments
{
    QString folder;
    QString command;
    QStringList words;
    QString sound; // add's --sound FILE
    QString language; // reset's --language
    QString programFolder; // where this pomwit-cards lies, with the bundled card sets
    bool replace = false;
    bool all = false;
    bool remove = false;
    bool yes = false;
    bool help = false;
    bool version = false;
};

QString tr(const char *text);
QString shown(const QString &path);
// "1 card" or "3 cards", translated as a whole.
QString counted(qint64 n, const char *one, const char *many);

// What a command writes, and the card set it works on.
class CommandRun
{
public:
    CommandRun(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    QTextStream &out() { return m_out; }
    int usage(const QString &problem);
    int fail(const QString &message);
    // list and check read a card set the user may not change; where the user
    // may, they also clean up after an interrupted run. Null once said why not.
    std::unique_ptr<CardSetEditor> open(const QString &folder, bool change);

private:
    QTextStream &m_out;
    QTextStream &m_err;
};

// The commands, each with the card set opened as it needs.
int add(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int addFolder(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int list(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int check(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int remove(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int rename(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int convert(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int sound(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int language(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);
int reset(CommandRun &run, CardSetEditor &editor, const Arguments &arguments);

} // namespace cards
