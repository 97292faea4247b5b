#pragma once

// The card sets kept in Access files that the tests read. They live beside
// the project, not in it, and are read where they lie.

#include "testsupport.h"

#include <QFileInfo>

namespace testsupport {

inline QString legacyFixture(const QString &fileName)
{
    return QStringLiteral(POMWIT_FIXTURES_DIR "/legacy-mdb/") + fileName;
}

inline bool haveLegacyFixtures()
{
    return QFileInfo(legacyFixture(QString())).isDir();
}

inline const char *legacyFixturesMissing()
{
    return "The Access card sets are missing: they are expected in " POMWIT_FIXTURES_DIR "/legacy-mdb, "
           "that is ../shared/fixtures/legacy-mdb beside the project. Put them there to run these tests.";
}

// The 26 words of cards26-v2000.mdb and cards26-v2003.mdb, in table order.
inline QStringList legacyCards26()
{
    return QStringLiteral("apple ball cat dog egg fish goat hat igloo jam kite lion moon nest owl pig queen "
                          "rabbit sun tree umbrella van whale xylophone yoyo zebra")
        .split(QLatin1Char(' '));
}

// The 10,000 words of cards10000-v2000.mdb, in table order.
inline QStringList legacyCards10000()
{
    QStringList words = legacyCards26();
    for (int i = 26; i < 10000; ++i)
        words.append(QStringLiteral("word%1").arg(i));
    return words;
}

// Makes folder an application folder whose card database is a link to the
// fixture, so that the fixture itself is what is read.
inline bool useLegacyCardDatabase(const QString &folder, const QString &fixtureFileName)
{
    const QString target = folder + QStringLiteral("/pomwit.mdb");
    QFile::remove(target);
    return QFile::link(legacyFixture(fixtureFileName), target);
}

// The same, with a picture for every word: a card set ready to play.
inline bool useLegacyCardSet(const QString &folder, const QString &fixtureFileName, const QStringList &words)
{
    return useLegacyCardDatabase(folder, fixtureFileName) && writePictures(folder, words);
}

} // namespace testsupport
