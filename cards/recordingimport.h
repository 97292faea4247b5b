#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A recording made elsewhere, turned into the card set's Ogg Vorbis: read
// and decoded through the sound module (under sudo by a copy of this command
// with the invoking user's rights, see InvokingUser), brought to the
// phrases' loudness and encoded.
namespace recordingImport {

// The Ogg bytes for the file; or a message that names it and says what to do.
Result<QByteArray, QString> encodeFile(const QString &path);
// Whether a recording of the card set plays; if not, why, as a clause.
Result<Done, QString> checkFile(const QString &path, const QString &picturesFolder);
// The copy's side: "encode FILE" writes the Ogg bytes to standard output;
// "check" decodes standard input. A failure is the last line on standard
// error.
int runAsInvokingUser(const QStringList &arguments);

} // namespace recordingImport
