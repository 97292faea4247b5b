#include "cards/commandrun.h"

#include "deck/cardseteditor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <unistd.h>

namespace cards {

QString tr(const char *text)
{
    return QCoreApplication::translate("cards", text);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

namespace {

// What counted() is given, written out for the translation tools.
[[maybe_unused]] const char *const countedTexts[] = {
    QT_TRANSLATE_NOOP("cards", "1 card"), QT_TRANSLATE_NOOP("cards", "%1 cards"),
    QT_TRANSLATE_NOOP("cards", "1 file"), QT_TRANSLATE_NOOP("cards", "%1 files")};

} // namespace

QString counted(qint64 n, const char *one, const char *many)
{
    return n == 1 ? tr(one) : tr(many).arg(n);
}

int CommandRun::usage(const QString &problem)
{
    m_err << "pomwit-cards: " << problem << '\n' << cards::tr("Try pomwit-cards --help.") << '\n';
    return Usage;
}

int CommandRun::fail(const QString &message)
{
    m_err << "pomwit-cards: " << message << '\n';
    return Failure;
}

std::unique_ptr<CardSetEditor> CommandRun::open(const QString &folder, bool change)
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

} // namespace cards
