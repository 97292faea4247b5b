#include "cards/cardscommand.h"

#include "cards/cardimage.h"

#include "deck/cardseteditor.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>

#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PomwitCards", text);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString counted(qint64 n, const char *one, const char *many)
{
    return n == 1 ? tr(one) : tr(many).arg(n);
}

enum Status { Success = 0, Failure = 1, Usage = 2 };

const char *const helpText = R"(Usage: pomwit-cards [--folder DIR] COMMAND [ARGUMENTS]

Adds, lists and checks the cards of Pomwit's card set.

Commands:
  add [--replace] WORD IMAGE  add a card from any picture (JPEG, PNG, GIF, WebP,
                              BMP, SVG); --replace changes an existing card's picture
  add-folder [--replace] DIR  add a card for each picture in DIR, named after the file
  list                        the cards in their order; ! marks a card with a problem
  remove [--all] WORD         remove a card and its pictures; --all when the word
                              is stored more than once
  rename OLD NEW              give a card another word, keeping its place
  check                       find what is wrong with the card set (exit status 1)
  convert                     turn an Access card set into a SQLite one

Options:
  --folder DIR                the card set of the Pomwit in DIR, instead of the one
                              installed beside this command
  -h, --help                  show this help
  --version                   show the version
)";

struct Arguments
{
    QString folder;
    QString command;
    QStringList words;
    bool replace = false;
    bool all = false;
    bool help = false;
    bool version = false;
};

class Run
{
public:
    Run(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int usage(const QString &problem)
    {
        m_err << "pomwit-cards: " << problem << '\n' << tr("Try pomwit-cards --help.") << '\n';
        return Usage;
    }

    int fail(const QString &message)
    {
        m_err << "pomwit-cards: " << message << '\n';
        return Failure;
    }

    // list and check read a card set the user may not change; where the user
    // may, they also clean up after an interrupted run.
    std::unique_ptr<CardSetEditor> open(const QString &folder, bool change)
    {
        using Mode = CardSetEditor::Mode;
        auto editor = CardSetEditor::open(folder, change ? Mode::Write : Mode::Read);
        if (editor && !change && ::access(QFile::encodeName(editor.value()->folder()).constData(), W_OK) == 0)
            editor = CardSetEditor::open(folder, Mode::Write);
        if (!editor) {
            fail(editor.error().message);
            return nullptr;
        }
        for (const QString &repair : editor.value()->repairs())
            m_err << "pomwit-cards: " << repair << '\n';
        return std::move(editor.value());
    }

    int add(CardSetEditor &editor, const QString &word, const QString &image, bool replace)
    {
        if (auto possible = editor.canStage(word, replace); !possible)
            return fail(possible.error().message);
        const auto images = makeCardImages(image);
        if (!images)
            return fail(images.error());
        const bool existed = replace && !editor.canStage(word, false);
        if (auto staged = editor.stage(word, pictures(images.value()), replace); !staged)
            return fail(staged.error().message);
        if (auto committed = editor.commit(); !committed)
            return fail(committed.error().message);
        m_out << (existed ? tr("Changed the pictures of the card \"%1\" in \"%2\".")
                          : tr("Added the card \"%1\" to \"%2\"."))
                     .arg(word, shown(editor.databasePath()))
              << '\n';
        return Success;
    }

    int addFolder(CardSetEditor &editor, const QString &folder, bool replace)
    {
        if (!QFileInfo(folder).isDir())
            return fail(tr("There is no folder \"%1\": name the folder that holds the pictures.").arg(shown(folder)));
        QStringList added;
        QStringList skipped;
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
            const QString word = file.completeBaseName();
            const auto skip = [&](const QString &why) { skipped.append(file.fileName() + QLatin1String(": ") + why); };
            if (auto possible = editor.canStage(word, replace); !possible) {
                skip(possible.error().message);
                continue;
            }
            const auto images = makeCardImages(file.filePath());
            if (!images) {
                skip(images.error());
                continue;
            }
            if (auto staged = editor.stage(word, pictures(images.value()), replace); !staged) {
                skip(staged.error().message);
                continue;
            }
            added.append(word + QLatin1String(" (") + file.fileName() + QLatin1Char(')'));
        }
        if (!added.isEmpty()) {
            if (const auto committed = editor.commit(); !committed)
                return fail(committed.error().message);
            m_out << tr("Added %1 to \"%2\":")
                         .arg(counted(added.size(), "1 card", "%1 cards"), shown(editor.databasePath()))
                  << '\n';
            for (const QString &line : std::as_const(added))
                m_out << "  " << line << '\n';
        }
        if (!skipped.isEmpty()) {
            m_out << tr("Skipped %1:").arg(counted(skipped.size(), "1 file", "%1 files")) << '\n';
            for (const QString &line : std::as_const(skipped))
                m_out << "  " << line << '\n';
        }
        if (added.isEmpty() && skipped.isEmpty())
            return fail(tr("There are no pictures in \"%1\": copy the pictures into it first.").arg(shown(folder)));
        return skipped.isEmpty() ? Success : Failure;
    }

    int list(const CardSetEditor &editor)
    {
        const auto rows = editor.rows();
        if (!rows)
            return fail(rows.error().message);
        QSet<qint64> marked;
        for (const CardSetProblem &problem : editor.check()) {
            if (problem.row >= 0)
                marked.insert(problem.row);
        }
        for (qint64 row = 0; row < rows.value().size(); ++row) {
            const CardRow &word = rows.value().at(row);
            m_out << (marked.contains(row) ? '!' : ' ') << qSetFieldWidth(6) << row + 1 << qSetFieldWidth(0) << "  "
                  << (word ? *word : tr("(no word)")) << '\n';
        }
        if (!marked.isEmpty())
            m_out << tr("! marks a card with a problem: pomwit-cards check tells what is wrong.") << '\n';
        return Success;
    }

    int check(const CardSetEditor &editor)
    {
        const QList<CardSetProblem> problems = editor.check();
        for (const CardSetProblem &problem : problems)
            m_out << problem.message << '\n';
        if (!problems.isEmpty())
            return Failure;
        const auto rows = editor.rows();
        m_out << tr("The card set in \"%1\" is in order: %2.")
                     .arg(shown(editor.folder()), counted(rows ? rows.value().size() : 0, "1 card", "%1 cards"))
              << '\n';
        return Success;
    }

    int convert(CardSetEditor &editor)
    {
        const auto report = editor.convert();
        if (!report)
            return fail(report.error().message);
        m_out << tr("\"%1\" is now a SQLite card set of %2; the Access file is kept as \"%3\".")
                     .arg(shown(editor.databasePath()), counted(report.value().cards, "1 card", "%1 cards"),
                          shown(editor.databasePath() + QLatin1String(".access")))
              << '\n';
        QStringList rows;
        for (const qint64 row : report.value().leftOut)
            rows.append(QString::number(row + 1));
        if (!rows.isEmpty())
            m_out << tr("Left out, having no word: row %1.").arg(rows.join(QLatin1String(", "))) << '\n';
        return Success;
    }

private:
    static QList<CardPictureFile> pictures(const CardImages &images)
    {
        return {{QStringLiteral("bmp"), images.bitmap}, {images.largeSuffix, images.large}};
    }

    QTextStream &m_out;
    QTextStream &m_err;
};

// The argument that is no option of pomwit-cards, as typed; arguments[0]
// is the program's name.
QString unknownOption(const QStringList &arguments)
{
    static const QStringList flags{QStringLiteral("replace"), QStringLiteral("all"), QStringLiteral("h"),
                                   QStringLiteral("help"), QStringLiteral("version")};
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        const QString &argument = arguments[i];
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')))
            continue;
        const QString option = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString name = option.section(QLatin1Char('='), 0, 0);
        if (option == QLatin1String("folder"))
            ++i; // its folder, whatever it looks like
        else if (name != QLatin1String("folder") && (!flags.contains(name) || option != name))
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
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({folder, replace, all, help, version});
    if (!parser.parse(arguments)) {
        // The parser's own texts would not say what to do.
        if (const QString unknown = unknownOption(arguments); !unknown.isEmpty())
            return tr("There is no option %1.").arg(unknown);
        return tr("--folder needs a folder.");
    }
    Arguments parsed;
    parsed.folder = parser.value(folder);
    parsed.replace = parser.isSet(replace);
    parsed.all = parser.isSet(all);
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
    Run run(out, err);
    const auto parsing = parse(arguments);
    if (!parsing)
        return run.usage(parsing.error());
    const Arguments &parsed = *parsing;
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
    };
    static const Command commands[] = {
        {"add", "add [--replace] WORD IMAGE", 2, true},
        {"add-folder", "add-folder [--replace] DIR", 1, true},
        {"list", "list", 0, false},
        {"remove", "remove [--all] WORD", 1, true},
        {"rename", "rename OLD NEW", 2, true},
        {"check", "check", 0, false},
        {"convert", "convert", 0, true},
    };
    const Command *command = nullptr;
    for (const Command &candidate : commands) {
        if (parsed.command == QLatin1String(candidate.name))
            command = &candidate;
    }
    if (parsed.command.isEmpty())
        return run.usage(tr("Name a command: add, add-folder, list, remove, rename, check or convert."));
    if (!command)
        return run.usage(tr("There is no command \"%1\".").arg(parsed.command));
    const QString usage = QLatin1String(command->usage);
    if (parsed.words.size() != command->words || (parsed.replace && !usage.contains(QLatin1String("--replace")))
        || (parsed.all && !usage.contains(QLatin1String("--all"))))
        return run.usage(tr("Usage: pomwit-cards [--folder DIR] %1").arg(usage));

    const auto editor = run.open(parsed.folder.isEmpty() ? ownFolder : parsed.folder, command->changes);
    if (!editor)
        return Failure;
    const QString name = parsed.command;
    if (name == QLatin1String("add"))
        return run.add(*editor, parsed.words[0], parsed.words[1], parsed.replace);
    if (name == QLatin1String("add-folder"))
        return run.addFolder(*editor, parsed.words[0], parsed.replace);
    if (name == QLatin1String("list"))
        return run.list(*editor);
    if (name == QLatin1String("check"))
        return run.check(*editor);
    if (name == QLatin1String("convert"))
        return run.convert(*editor);
    if (name == QLatin1String("remove")) {
        const auto removed = editor->remove(parsed.words[0], parsed.all);
        if (!removed)
            return run.fail(removed.error().message);
        const QString where = shown(editor->databasePath());
        out << (removed.value() == 1
                    ? tr("Removed the card \"%1\" from \"%2\".").arg(parsed.words[0], where)
                    : tr("Removed all %1 cards \"%2\" from \"%3\".")
                          .arg(QString::number(removed.value()), parsed.words[0], where))
            << '\n';
        return Success;
    }
    const auto renamed = editor->rename(parsed.words[0], parsed.words[1]);
    if (!renamed)
        return run.fail(renamed.error().message);
    out << tr("Renamed the card \"%1\" to \"%2\" in \"%3\".").arg(parsed.words[0], parsed.words[1],
                                                                    shown(editor->databasePath()))
        << '\n';
    return Success;
}

int pomwitCardsMain(int argc, char *argv[])
{
    // Pictures are drawn off screen, so no display is needed, over ssh too.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(POMWIT_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runPomwitCards(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(), out, err);
}
