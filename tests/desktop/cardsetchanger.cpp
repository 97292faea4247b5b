// Makes one change of a card set the way the card workshop does: the photo
// decoded here, as the user, and the change carried out as the card set's
// owner allows. For privileged_path.sh, which runs it as a user who may not
// write the card set. Prints "done" or the message the window would show.
//
//   cardset-changer FOLDER add WORD PHOTO | rename FROM TO | remove WORD

#include "deck/cardimage.h"
#include "windows/cardsetwriter.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString job = args.value(2);
    CardSetChange change;
    if (args.size() == 5 && job == QLatin1String("add")) {
        const auto images = makeCardImages(args[4]);
        if (!images) {
            std::fprintf(stderr, "%s\n", qPrintable(images.error()));
            return 2;
        }
        change.steps.append(
            CardSetChange::AddCard{args[3], images->bitmap, images->largeSuffix, images->large, false});
    } else if (args.size() == 5 && job == QLatin1String("rename")) {
        change.steps.append(CardSetChange::RenameCard{args[3], args[4]});
    } else if (args.size() == 4 && job == QLatin1String("remove")) {
        change.steps.append(CardSetChange::RemoveCard{args[3], false});
    } else {
        std::fprintf(stderr, "usage: cardset-changer FOLDER add WORD PHOTO | rename FROM TO | remove WORD\n");
        return 2;
    }
    CardSetWriter writer(args[1]);
    QObject::connect(&writer, &CardSetWriter::finished, &app, [](bool done, const QString &message) {
        std::printf("%s\n", done ? "done" : message.toUtf8().constData());
        QCoreApplication::exit(done ? 0 : 1);
    });
    writer.submit(change);
    return app.exec();
}
