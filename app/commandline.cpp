#include "app/commandline.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    // Qt's own options are no mistake: whatever else is there is not looked at.
    parser.parse(arguments);
    if (parser.isSet(help)) {
        std::fputs("Usage: pomwit [--help] [--version]\n\n"
                   "Flash cards for toddlers: a picture, a first letter, a spoken word.\n"
                   "Cards are added in Tools, Options, Import New Cards, or with pomwit-cards(1).\n\n"
                   "Options:\n"
                   "  -h, --help  show this help\n"
                   "  --version   show the version\n",
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("pomwit " POMWIT_VERSION "\n", stdout);
        return 0;
    }
    return std::nullopt;
}
