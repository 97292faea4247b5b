#include "i18n/programtranslations.h"

#include "base/languagetag.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString ProgramTranslations::install()
{
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    // Qt would let LANGUAGE speak for the C locale too.
    const bool plain = messages == "C" || messages.startsWith("C.") || messages == "POSIX";
    const QLocale system = QLocale::system();
    return install(plain || system.language() == QLocale::C ? QStringList() : system.uiLanguages());
}

QString ProgramTranslations::install(const QStringList &languages)
{
    static QTranslator own;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    for (const QString &language : languages) {
        if (languageTag::primary(language) == languageTag::fallback())
            return {};
        // "pomwit_de_AT", else "pomwit_de".
        const QString name = QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
        if (!own.load(QStringLiteral("pomwit_") + name, QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&own);
        if (qt.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return languageTag::primary(language);
    }
    return {};
}
