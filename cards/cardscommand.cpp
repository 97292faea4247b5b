#include "cards/cardscommand.h"

#include "cards/commandrun.h"
#include "cards/invokinguser.h"
#include "cards/picturesasuser.h"
#include "cards/recordingimport.h"
#include "deck/cardseteditor.h"
#include "i18n/programtranslations.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

#include <unistd.h>

using namespace cards;

namespace {

const char *const helpText = R"(Usage: pomwit-cards [--folder DIR] COMMAND [ARGUMENTS]

Adds, lists and checks the cards of Pomwit's card set.

Commands:
  add [--replace] [--sound FILE] WORD PICTURE
                              add a card from any picture (JPEG, PNG, GIF, WebP,
                              BMP, SVG); --replace changes an existing card's picture,
                              --sound gives it a recording
  add-folder [--replace] DIR  add a card for each picture in DIR, named after the file
                              (a camera's file name such as IMG_2041 is skipped)
  list                        the cards in their order; ! marks a card with a problem,
                              ♪ one with a recording
  remove [--all] WORD         remove a card and its pictures; --all when the word
                              is stored more than once
  rename OLD NEW              give a card another word, keeping its place
  check                       find what is wrong with the card set (exit status 1)
  convert                     turn an Access card set into a SQLite one
  sound WORD FILE             the card says its word in this recording (Ogg, Opus,
                              FLAC, WAV or MP3, at most 15 seconds)
  sound --remove WORD         the card's recording goes; the voice says the word
  language [LANG]             show the card set's language, or set it (de, fr, es,
                              pt-BR, ...): its words are spoken in that language
  reset --language LANG [--yes]
                              replace the card set with the bundled one in LANG,
                              after asking (--yes: without); the cards it had are
                              kept in a folder named after the date

Options:
  --folder DIR                the card set of the Pomwit in DIR, instead of the one
                              installed beside this command
  -h, --help                  show this help
  --version                   show the version
)";

// The argument that is no option of pomwit-cards, as typed; arguments[0]
// is the program's name.
QString unknownOption(const QStringList &arguments)
{
    static const QStringList flags{QStringLiteral("replace"), QStringLiteral("all"), QStringLiteral("remove"),
                                   QStringLiteral("yes"), QStringLiteral("h"), QStringLiteral("help"),
                                   QStringLiteral("version")};
    static const QStringList withValue{QStringLiteral("folder"), QStringLiteral("language"), QStringLiteral("sound")};
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        const QString &argument = arguments[i];
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')))
            continue;
        const QString option = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString name = option.section(QLatin1Char('='), 0, 0);
        if (withValue.contains(option))
            ++i; // its value, whatever it looks like
        else if (!withValue.contains(name) && (!flags.contains(name) || option != name))
            return argument;
    }
    return {};
}

// Options may come anywhere before "--"; after it everything is a word.
Result<Arguments, QString> parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // -h as the help writes it; a single dash is as good as two elsewhere too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption replace(QStringLiteral("replace"));
    const QCommandLineOption all(QStringLiteral("all"));
    const QCommandLineOption remove(QStringLiteral("remove"));
    const QCommandLineOption sound(QStringLiteral("sound"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption language(QStringLiteral("language"), QString(), QStringLiteral("LANG"));
    const QCommandLineOption yes(QStringLiteral("yes"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({folder, replace, all, remove, sound, language, yes, help, version});
    if (!parser.parse(arguments)) {
        // The parser's own texts would not say what to do.
        if (const QString unknown = unknownOption(arguments); !unknown.isEmpty())
            return cards::tr("There is no option %1.").arg(unknown);
        if (arguments.constLast() == QLatin1String("--sound"))
            return cards::tr("--sound needs a sound file.");
        if (arguments.constLast() == QLatin1String("--language"))
            return cards::tr("--language needs a language, such as de or fr.");
        return cards::tr("--folder needs a folder.");
    }
    Arguments parsed;
    parsed.folder = parser.value(folder);
    parsed.replace = parser.isSet(replace);
    parsed.all = parser.isSet(all);
    parsed.remove = parser.isSet(remove);
    parsed.sound = parser.value(sound);
    parsed.language = parser.value(language);
    parsed.yes = parser.isSet(yes);
    parsed.help = parser.isSet(help);
    parsed.version = parser.isSet(version);
    parsed.words = parser.positionalArguments();
    if (!parsed.words.isEmpty())
        parsed.command = parsed.words.takeFirst();
    return parsed;
}

// The command says what went wrong in its own words; Qt's notices about the
// missing display session would only be noise.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int runPomwitCards(const QStringList &arguments, const QString &ownFolder, QTextStream &out, QTextStream &err)
{
    // A copy of this command with the rights of the user who ran sudo.
    if (arguments.value(1) == QLatin1String(InvokingUser::childArgument)) {
        if (arguments.size() == 4 && arguments[2] == QLatin1String(picturesJob))
            return decodeChildMain(arguments[3]);
        return recordingImport::runAsInvokingUser(arguments.mid(2));
    }
    CommandRun run(out, err);
    const auto parsing = parse(arguments);
    if (!parsing)
        return run.usage(parsing.error());
    Arguments parsed = *parsing;
    parsed.programFolder = ownFolder;
    if (parsed.help) {
        out << helpText;
        return Success;
    }
    if (parsed.version) {
        out << "pomwit-cards " << QCoreApplication::applicationVersion() << '\n';
        return Success;
    }
    struct Command
    {
        const char *name;
        const char *usage;
        qsizetype words;
        bool changes;
        int (*run)(CommandRun &, CardSetEditor &, const Arguments &);
        qsizetype optional = 0; // words that may follow; given, they change the card set
    };
    static const Command commands[] = {
        {"add", "add [--replace] [--sound FILE] WORD PICTURE", 2, true, cards::add},
        {"add-folder", "add-folder [--replace] DIR", 1, true, cards::addFolder},
        {"list", "list", 0, false, cards::list},
        {"remove", "remove [--all] WORD", 1, true, cards::remove},
        {"rename", "rename OLD NEW", 2, true, cards::rename},
        {"check", "check", 0, false, cards::check},
        {"convert", "convert", 0, true, cards::convert},
        {"sound", "sound WORD FILE, or sound --remove WORD", 2, true, cards::sound},
        {"language", "language [LANG]", 0, false, cards::language, 1},
        {"reset", "reset --language LANG [--yes]", 0, true, cards::reset},
    };
    const Command *command = nullptr;
    for (const Command &candidate : commands) {
        if (parsed.command == QLatin1String(candidate.name))
            command = &candidate;
    }
    if (parsed.command.isEmpty())
        return run.usage(
            cards::tr("Name a command: add, add-folder, list, remove, rename, check, convert, sound, language or reset."));
    if (!command)
        return run.usage(cards::tr("There is no command \"%1\".").arg(parsed.command));
    const QString usage = QLatin1String(command->usage);
    // sound --remove names the word alone.
    const qsizetype optional = parsed.words.size() - (command->words - (parsed.remove ? 1 : 0));
    if (optional < 0 || optional > command->optional || (parsed.replace && !usage.contains(QLatin1String("--replace")))
        || (parsed.all && !usage.contains(QLatin1String("--all"))) || (parsed.yes && !usage.contains(QLatin1String("--yes")))
        || (parsed.remove && !usage.contains(QLatin1String("--remove")))
        || (!parsed.sound.isEmpty() && !usage.contains(QLatin1String("--sound")))
        || (parsed.language.isEmpty() == usage.contains(QLatin1String("--language"))))
        return run.usage(cards::tr("Usage: pomwit-cards [--folder DIR] %1").arg(usage));

    const auto editor = run.open(parsed.folder.isEmpty() ? ownFolder : parsed.folder, command->changes || optional > 0);
    if (!editor)
        return Failure;
    return command->run(run, *editor, parsed);
}

int pomwitCardsMain(int argc, char *argv[])
{
    // Pictures are drawn off screen, so no display is needed, over ssh too.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(POMWIT_VERSION));
    ProgramTranslations::install();
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runPomwitCards(arguments, QCoreApplication::applicationDirPath(), out, err);
}
