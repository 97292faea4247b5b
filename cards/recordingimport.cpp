#include "cards/recordingimport.h"

#include "base/recordinglimit.h"
#include "cards/commandrun.h"
#include "cards/invokinguser.h"
#include "deck/oggrecording.h"
#include "deck/recordingfile.h"
#include "speech/recordingcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace recordingImport {

namespace {

using cards::shown;

QString tr(const char *text)
{
    return QCoreApplication::translate("recordingImport", text);
}

// A path as typed on a shell's command line.
QString quoted(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._/+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    return QLatin1Char('\'') + QString(path).replace(QLatin1String("'"), QLatin1String("'\\''")) + QLatin1Char('\'');
}

// The decoded sound, or what to do about the file.
Result<RecordedSound, QString> decode(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("There is no sound file \"%1\": check the file's name and folder.").arg(shown(path));
    if (!info.isFile())
        return tr("\"%1\" is not a sound file but a folder or a special file: name a sound file.").arg(shown(path));
    if (info.size() > recordingFile::maxBytes)
        return tr("\"%1\" cannot be used: it is far longer than the %2 seconds a recording may last. Cut it shorter "
                  "first.").arg(shown(path)).arg(maxRecordingSeconds);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("\"%1\" cannot be read (%2): check the file's permissions.").arg(shown(path), file.errorString());
    const auto sound = RecordingCodec::instance().decode(file.read(recordingFile::maxBytes));
    if (sound)
        return sound.value();
    QString advice;
    switch (sound.error().kind) {
    case RecordingError::Kind::NotAudio:
        advice = tr(" Name a sound file: Ogg, Opus, FLAC, WAV or MP3.");
        break;
    case RecordingError::Kind::FormatNotRead: {
        // The converted file beside the memo, as typed.
        QString ogg = path;
        ogg.chop(info.suffix().isEmpty() ? 0 : info.suffix().size() + 1);
        advice = tr(" Convert it first, with ffmpeg -i %1 %2, then use that file.")
                     .arg(quoted(path), quoted(ogg + QLatin1String(".ogg")));
        break;
    }
    case RecordingError::Kind::CutShort:
        advice = tr(" Copy it again from where it came from.");
        break;
    case RecordingError::Kind::TooLong:
        advice = tr(" Cut it shorter first.");
        break;
    case RecordingError::Kind::Failed:
        break;
    }
    return QString(tr("\"%1\" cannot be used: %2.").arg(shown(path), sound.error().reason) + advice);
}

Result<QByteArray, QString> encode(const QString &path)
{
    const auto sound = decode(path);
    if (!sound)
        return sound.error();
    const auto ogg = RecordingCodec::instance().encode(sound.value());
    if (!ogg)
        return tr("\"%1\" could not be encoded: %2.").arg(shown(path), ogg.error().reason);
    return ogg.value();
}

} // namespace

Result<QByteArray, QString> encodeFile(const QString &path)
{
    const std::optional<InvokingUser> user = InvokingUser::underSudo();
    if (!user)
        return encode(path);
    return user->run({QStringLiteral("encode"), QFileInfo(path).absoluteFilePath()}, {}, OggRecording::maxBytes);
}

Result<Done, QString> checkFile(const QString &path, const QString &picturesFolder)
{
    const auto bytes = recordingFile::read(path, picturesFolder);
    if (!bytes)
        return bytes.error();
    if (const std::optional<InvokingUser> user = InvokingUser::underSudo()) {
        if (const auto checked = user->run({QStringLiteral("check")}, bytes.value(), 0); !checked)
            return checked.error();
        return Done{};
    }
    if (const auto sound = RecordingCodec::instance().decode(bytes.value()); !sound)
        return sound.error().reason;
    return Done{};
}

int runAsInvokingUser(const QStringList &arguments)
{
    QString failure;
    if (arguments.size() == 2 && arguments[0] == QLatin1String("encode")) {
        const auto ogg = encode(arguments[1]);
        if (ogg) {
            std::fwrite(ogg->constData(), 1, size_t(ogg->size()), stdout);
            return std::fflush(stdout) == 0 ? cards::Success : cards::Failure;
        }
        failure = ogg.error();
    } else if (arguments == QStringList{QStringLiteral("check")}) {
        QFile input;
        input.open(stdin, QIODevice::ReadOnly);
        const auto sound = RecordingCodec::instance().decode(input.read(recordingFile::maxBytes));
        if (sound)
            return cards::Success;
        failure = sound.error().reason;
    } else {
        return cards::Usage;
    }
    std::fprintf(stderr, "%s\n", qPrintable(failure));
    return cards::Failure;
}

} // namespace recordingImport
