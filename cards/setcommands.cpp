#include "cards/commandrun.h"

#include "cards/recordingimport.h"
#include "deck/cardseteditor.h"
#include "deck/recordingfile.h"

#include <QSet>

namespace cards {

int list(CommandRun &run, CardSetEditor &editor, const Arguments &)
{
    const auto rows = editor.rows();
    if (!rows)
        return run.fail(rows.error().message);
    QSet<qint64> marked;
    for (const CardSetProblem &problem : editor.check()) {
        if (problem.row >= 0)
            marked.insert(problem.row);
    }
    bool recorded = false;
    for (qint64 row = 0; row < rows.value().size(); ++row) {
        const CardRow &word = rows.value().at(row);
        const bool recording = word && recordingFile::find(editor.picturesFolder(), *word);
        recorded = recorded || recording;
        run.out() << (marked.contains(row) ? '!' : ' ') << (recording ? QStringLiteral("♪") : QStringLiteral(" "))
                  << qSetFieldWidth(5) << row + 1 << qSetFieldWidth(0) << "  " << (word ? *word : tr("(no word)"))
                  << '\n';
    }
    if (!marked.isEmpty())
        run.out() << tr("! marks a card with a problem: pomwit-cards check tells what is wrong.") << '\n';
    if (recorded)
        run.out() << tr("♪ marks a card that says its word in a recording.") << '\n';
    return Success;
}

int check(CommandRun &run, CardSetEditor &editor, const Arguments &)
{
    QList<CardSetProblem> problems = editor.check();
    // Recordings are decoded here, through the sound module: the card set's
    // writer only ever looks at them.
    const auto cards = editor.rows();
    for (qint64 row = 0; cards && row < cards->size(); ++row) {
        const CardRow &word = cards->at(row);
        const std::optional<QString> path = word ? recordingFile::find(editor.picturesFolder(), *word) : std::nullopt;
        if (const auto plays = path ? recordingImport::checkFile(*path, editor.picturesFolder()) : Done{}; !plays)
            problems.append({row, tr("Card %1, \"%2\": the recording \"%3\" cannot be played (%4): attach another "
                                     "with pomwit-cards sound, or remove it with pomwit-cards sound --remove.")
                                      .arg(QString::number(row + 1), *word, shown(*path), plays.error())});
    }
    for (const CardSetProblem &problem : problems)
        run.out() << problem.message << '\n';
    if (!problems.isEmpty())
        return Failure;
    const auto rows = editor.rows();
    run.out() << tr("The card set in \"%1\" is in order: %2.")
                 .arg(shown(editor.folder()), counted(rows ? rows.value().size() : 0, "1 card", "%1 cards"))
          << '\n';
    return Success;
}

int remove(CommandRun &run, CardSetEditor &editor, const Arguments &arguments)
{
    const QString &word = arguments.words[0];
    const auto removed = editor.remove(word, arguments.all);
    if (!removed)
        return run.fail(removed.error().message);
    const QString where = shown(editor.databasePath());
    run.out() << (removed.value() == 1 ? tr("Removed the card \"%1\" from \"%2\".").arg(word, where)
                                       : tr("Removed all %1 cards \"%2\" from \"%3\".")
                                             .arg(QString::number(removed.value()), word, where))
              << '\n';
    return Success;
}

int rename(CommandRun &run, CardSetEditor &editor, const Arguments &arguments)
{
    const QString &from = arguments.words[0];
    const QString &to = arguments.words[1];
    const auto renamed = editor.rename(from, to);
    if (!renamed)
        return run.fail(renamed.error().message);
    run.out() << tr("Renamed the card \"%1\" to \"%2\" in \"%3\".").arg(from, to, shown(editor.databasePath()))
              << '\n';
    return Success;
}

int convert(CommandRun &run, CardSetEditor &editor, const Arguments &)
{
    const auto report = editor.convert();
    if (!report)
        return run.fail(report.error().message);
    run.out() << tr("\"%1\" is now a SQLite card set of %2; the Access file is kept as \"%3\".")
                 .arg(shown(editor.databasePath()), counted(report.value().cards, "1 card", "%1 cards"),
                      shown(editor.databasePath() + QLatin1String(".access")))
          << '\n';
    QStringList rows;
    for (const qint64 row : report.value().leftOut)
        rows.append(QString::number(row + 1));
    if (!rows.isEmpty())
        run.out() << tr("Left out, having no word: row %1.").arg(rows.join(QLatin1String(", "))) << '\n';
    return Success;
}

} // namespace cards
