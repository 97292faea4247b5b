#include "cards/cardsethelper.h"

#include "deck/cardsetchange.h"
#include "deck/cardseteditor.h"
#include "i18n/programtranslations.h"

#include <QCoreApplication>

#include <cerrno>

#include <unistd.h>

namespace {

QByteArray readStandardInput(qint64 most)
{
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= most) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

} // namespace

int runCardSetHelper(const QStringList &arguments, const std::function<QByteArray(qint64 most)> &readInput,
                     const QString &applicationFolder, QTextStream &out, QTextStream &err)
{
    if (arguments.size() == 2 && arguments[1] == QLatin1String("--version")) {
        out << "pomwit-cardset-helper " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    if (arguments.size() != 1) {
        err << QCoreApplication::translate("CardSetHelper", "pomwit-cardset-helper takes no arguments: it reads the "
                                                            "change of the card set on standard input.")
            << '\n';
        return 2;
    }
    const QByteArray bytes = readInput(CardSetChange::maxBytes);
    const auto change = CardSetChange::parse(bytes);
    if (!change) {
        err << change.error() << '\n';
        return 1;
    }
    auto editor = CardSetEditor::open(applicationFolder, CardSetEditor::Mode::Write);
    if (!editor) {
        err << editor.error().message << '\n';
        return 1;
    }
    const auto applied = editor.value()->apply(change.value());
    if (!applied) {
        err << applied.error().message << '\n';
        return 1;
    }
    out << QCoreApplication::translate("CardSetHelper", "Changed the card set in \"%1\": %2 steps.")
               .arg(editor.value()->folder())
               .arg(applied.value())
        << '\n';
    return 0;
}

int cardSetHelperMain(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(POMWIT_VERSION));
    // What goes wrong is shown in the window that asked, in its user's language.
    ProgramTranslations::install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCardSetHelper(QCoreApplication::arguments(), readStandardInput, QCoreApplication::applicationDirPath(),
                            out, err);
}
