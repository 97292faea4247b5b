#include "cards/commandrun.h"

#include "cards/recordingimport.h"
#include "deck/cardseteditor.h"

namespace cards {

int sound(CommandRun &run, CardSetEditor &editor, const Arguments &arguments)
{
    const QString &word = arguments.words[0];
    const QString where = shown(editor.databasePath());
    if (arguments.remove) {
        if (const auto removed = editor.apply(CardSetChange::of(CardSetChange::RemoveRecording{word})); !removed)
            return run.fail(removed.error().message);
        run.out() << tr("Removed the recording of the card \"%1\" in \"%2\": the voice says its word again.")
                         .arg(word, where)
                  << '\n';
        return Success;
    }
    // A word that is no card is refused before the file is decoded.
    const auto rows = editor.rows();
    if (!rows)
        return run.fail(rows.error().message);
    if (!rows->contains(word))
        return run.fail(tr("There is no card \"%1\" in \"%2\": pomwit-cards list shows the cards there are.")
                            .arg(word, where));
    const QString &file = arguments.words[1];
    const auto ogg = recordingImport::encodeFile(file);
    if (!ogg)
        return run.fail(ogg.error());
    if (const auto set = editor.apply(CardSetChange::of(CardSetChange::SetRecording{word, ogg.value()})); !set)
        return run.fail(set.error().message);
    run.out() << tr("The card \"%1\" in \"%2\" now says its word in the recording \"%3\".").arg(word, where, shown(file))
              << '\n';
    return Success;
}

} // namespace cards
