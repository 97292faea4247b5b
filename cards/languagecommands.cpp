#include "cards/commandrun.h"

#include "base/languagetag.h"
#include "deck/cardseteditor.h"
#include "deck/editmessages.h"
#include "speech/speechsystem.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdio>

#include <unistd.h>

namespace cards {

namespace {

// "German" for "de"; the tag itself for a language Qt does not know.
QString languageName(const QString &tag)
{
    const QLocale::Language language = QLocale(tag).language();
    return language == QLocale::C || language == QLocale::AnyLanguage ? tag : QLocale::languageToString(language);
}

// Where the bundled card sets lie: beside the program in a build, under
// share/pomwit when installed. One folder a language, named by its tag.
QList<QDir> bundledFolders(const QString &programFolder)
{
    return {QDir(programFolder + QStringLiteral("/cardsets")),
            QDir(programFolder + QStringLiteral("/../../share/pomwit/cardsets"))};
}

QStringList bundledLanguages(const QString &programFolder)
{
    QStringList languages;
    for (const QDir &folder : bundledFolders(programFolder)) {
        for (const QString &language : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (!languages.contains(language) && QFile::exists(folder.filePath(language) + QStringLiteral("/pomwit.mdb")))
                languages.append(language);
        }
    }
    return languages;
}

// The bundled set of the language, or of its language without the region.
QString bundledCardSet(const QString &programFolder, const QString &tag)
{
    for (const QString &language : {tag, languageTag::primary(tag)}) {
        for (const QDir &folder : bundledFolders(programFolder)) {
            if (QFile::exists(folder.filePath(language) + QStringLiteral("/pomwit.mdb")))
                return QDir::cleanPath(folder.filePath(language));
        }
    }
    return {};
}

bool answeredYes()
{
    char line[64] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return false;
    const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
    return !answer.isEmpty() && (answer.startsWith(QLatin1Char('y')) || answer.startsWith(tr("y")));
}

} // namespace

int language(CommandRun &run, CardSetEditor &editor, const Arguments &arguments)
{
    if (arguments.words.isEmpty()) {
        const auto current = editor.language();
        if (!current)
            return run.fail(current.error().message);
        run.out() << current.value() << " (" << languageName(current.value()) << ")\n";
        return Success;
    }
    const QString &typed = arguments.words[0];
    const QString tag = languageTag::canonical(typed);
    if (tag.isEmpty())
        return run.fail(editMessages::notALanguage(typed).message);
    if (editor.isAccessFile())
        return run.fail(editMessages::accessFile(editor.databasePath()).message);
    // Only a language a voice speaks: the child would hear nothing.
    const QStringList spoken = SpeechSystem::instance().languages();
    if (spoken.isEmpty())
        return run.fail(SpeechSystem::notStartedMessage());
    if (!spoken.contains(languageTag::primary(tag)))
        return run.fail(tr("No voice on this computer speaks \"%1\"; the voices speak these languages: %2.")
                            .arg(typed, spoken.join(QLatin1String(", "))));
    if (const auto set = editor.setLanguage(tag); !set)
        return run.fail(set.error().message);
    run.out() << tr("The card set in \"%1\" is now in %2 (%3).").arg(shown(editor.folder()), languageName(tag), tag)
              << '\n';
    return Success;
}

int reset(CommandRun &run, CardSetEditor &editor, const Arguments &arguments)
{
    const QString tag = languageTag::canonical(arguments.language);
    if (tag.isEmpty())
        return run.fail(editMessages::notALanguage(arguments.language).message);
    const QString from = bundledCardSet(arguments.programFolder, tag);
    if (from.isEmpty())
        return run.fail(tr("There is no bundled card set in \"%1\"; there are bundled card sets in %2.")
                            .arg(arguments.language, bundledLanguages(arguments.programFolder).join(QLatin1String(", "))));
    if (editor.isAccessFile())
        return run.fail(editMessages::accessFile(editor.databasePath()).message);
    const auto bundled = CardSetEditor::open(from, CardSetEditor::Mode::Read);
    const auto cards = bundled ? bundled.value()->rows() : StoreResult<CardRows>(bundled.error());
    if (!cards)
        return run.fail(cards.error().message);
    const auto before = editor.rows();
    if (!before)
        return run.fail(before.error().message);
    if (!arguments.yes) {
        if (!::isatty(STDIN_FILENO))
            return run.fail(tr("reset replaces the whole card set, so it asks first, and there is no terminal to ask "
                               "on: add --yes to replace it without asking."));
        run.out() << tr("Replace the card set in \"%1\" (%2) with the bundled %3 card set (%4)? Its cards are kept "
                        "in a folder named after today's date. [y/N] ")
                         .arg(shown(editor.folder()), counted(before.value().size(), "1 card", "%1 cards"),
                              languageName(tag), counted(cards.value().size(), "1 card", "%1 cards"))
                  << Qt::flush;
        if (!answeredYes())
            return run.fail(tr("The card set was left as it is."));
    }
    CardSetChange change;
    for (const CardRow &word : cards.value()) {
        const QString path = from + QStringLiteral("/pictures/") + word.value_or(QString());
        QFile bitmap(path + QStringLiteral(".bmp")), drawing(path + QStringLiteral(".svg"));
        const QByteArray bitmapBytes = bitmap.open(QIODevice::ReadOnly) ? bitmap.readAll() : QByteArray();
        const QByteArray drawingBytes = drawing.open(QIODevice::ReadOnly) ? drawing.readAll() : QByteArray();
        change.steps.append(CardSetChange::AddCard{word.value_or(QString()), bitmapBytes, QStringLiteral("svg"),
                                                   drawingBytes, false});
    }
    change.steps.append(CardSetChange::SetLanguage{tag});
    const auto kept = editor.replaceAll(change);
    if (!kept)
        return run.fail(kept.error().message);
    run.out() << tr("The card set in \"%1\" is now the bundled %2 card set (%3); the cards it had are kept in \"%4\".")
                     .arg(shown(editor.folder()), languageName(tag), counted(cards.value().size(), "1 card", "%1 cards"),
                          shown(kept.value()))
              << '\n';
    return Success;
}

} // namespace cards
