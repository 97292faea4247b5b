#pragma once

#include <QString>
#include <QStringList>

// The program's own texts and Qt's (standard buttons, the file dialog) in the
// user's language: the first of the locale's languages that Pomwit speaks.
// English is the language the texts are written in: an English locale, a
// language without a translation and the C locale load nothing, and a text a
// translation lacks stays English.
class ProgramTranslations
{
public:
    // The user's: LANGUAGE, then LC_ALL, LC_MESSAGES and LANG. As with
    // gettext, LANGUAGE counts only when the locale is not C.
    static QString install();
    // Languages in the order the user prefers them ("de-CH", "fr"). Replaces
    // what an earlier call installed; returns the language loaded, empty for
    // none.
    static QString install(const QStringList &languages);
};
