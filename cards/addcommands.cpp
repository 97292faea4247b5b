#include "cards/commandrun.h"

#include "cards/picturesasuser.h"
#include "cards/recordingimport.h"
#include "deck/cardseteditor.h"
#include "deck/cardwords.h"
#include "deck/picturename.h"

#include <QDir>
#include <QFileInfo>

namespace cards {

namespace {

CardSetChange::AddCard card(const QString &word, const CardImages &images, bool replace)
{
    return {word, images.bitmap, images.largeSuffix, images.large, replace};
}

} // namespace

int add(CommandRun &run, CardSetEditor &editor, const Arguments &arguments)
{
    const QString &word = arguments.words[0];
    const QString &image = arguments.words[1];
    const bool replace = arguments.replace;
    if (QFileInfo(word).isFile() && !QFileInfo(image).exists())
        return run.usage(tr("\"%1\" is a picture and \"%2\" is not: give the word first, then the picture, as in "
                            "pomwit-cards add WORD PICTURE.")
                             .arg(shown(word), image));
    if (auto possible = editor.canStage(word, replace); !possible)
        return run.fail(possible.error().message);
    const auto images = cardImagesAsUser(image);
    if (!images)
        return run.fail(images.error());
    CardSetChange change{{card(word, images.value(), replace)}};
    if (!arguments.sound.isEmpty()) {
        const auto ogg = recordingImport::encodeFile(arguments.sound);
        if (!ogg)
            return run.fail(ogg.error());
        change.steps.append(CardSetChange::SetRecording{cardWords::stored(word), ogg.value()});
    }
    const bool existed = replace && !editor.canStage(word, false);
    if (auto applied = editor.apply(change); !applied)
        return run.fail(applied.error().message);
    run.out() << (existed ? tr("Changed the pictures of the card \"%1\" in \"%2\".")
                      : tr("Added the card \"%1\" to \"%2\"."))
                 .arg(word, shown(editor.databasePath()))
          << '\n';
    return Success;
}

int addFolder(CommandRun &run, CardSetEditor &editor, const Arguments &arguments)
{
    const QString &folder = arguments.words[0];
    const bool replace = arguments.replace;
    if (!QFileInfo(folder).isDir())
        return run.fail(tr("There is no folder \"%1\": name the folder that holds the pictures.").arg(shown(folder)));
    CardSetChange change;
    QStringList added;
    QStringList skipped;
    const auto entries = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo &file : QDir(folder).entryInfoList(entries, QDir::Name)) {
        const QString word = pictureName::proposedWord(file.fileName());
        const auto skip = [&](const QString &why) { skipped.append(file.fileName() + QLatin1String(": ") + why); };
        if (file.isDir()) {
            skip(tr("a folder, whose pictures add-folder does not add: add that folder by itself."));
            continue;
        }
        if (file.isHidden()) {
            skip(tr("a hidden file, which add-folder leaves alone: add it with pomwit-cards add WORD PICTURE."));
            continue;
        }
        if (word.isEmpty()) {
            skip(tr("a camera's file name, which is no word: add it with pomwit-cards add WORD PICTURE."));
            continue;
        }
        if (auto possible = editor.canStage(word, replace, change); !possible) {
            skip(possible.error().message);
            continue;
        }
        const auto images = cardImagesAsUser(file.filePath());
        if (!images) {
            skip(images.error());
            continue;
        }
        change.steps.append(card(word, images.value(), replace));
        added.append(word + QLatin1String(" (") + file.fileName() + QLatin1Char(')'));
    }
    if (!added.isEmpty()) {
        if (const auto applied = editor.apply(change); !applied)
            return run.fail(applied.error().message);
        run.out() << tr("Added %1 to \"%2\":")
                     .arg(counted(added.size(), "1 card", "%1 cards"), shown(editor.databasePath()))
              << '\n';
        for (const QString &line : std::as_const(added))
            run.out() << "  " << line << '\n';
    }
    if (!skipped.isEmpty()) {
        run.out() << tr("Skipped %1:").arg(counted(skipped.size(), "1 file", "%1 files")) << '\n';
        for (const QString &line : std::as_const(skipped))
            run.out() << "  " << line << '\n';
    }
    if (added.isEmpty() && skipped.isEmpty())
        return run.fail(tr("There are no pictures in \"%1\": copy the pictures into it first.").arg(shown(folder)));
    return skipped.isEmpty() ? Success : Failure;
}

} // namespace cards
