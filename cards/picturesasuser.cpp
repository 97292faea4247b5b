#include "cards/picturesasuser.h"

#include "deck/cardsetchange.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

#include <grp.h>
#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PomwitCards", text);
}

// The user sudo was run by, if this is root through sudo.
std::optional<std::pair<uid_t, gid_t>> invokingUser()
{
    if (::geteuid() != 0)
        return std::nullopt;
    bool uidOk = false, gidOk = false;
    const uint uid = qEnvironmentVariable("SUDO_UID").toUInt(&uidOk);
    const uint gid = qEnvironmentVariable("SUDO_GID").toUInt(&gidOk);
    if (!uidOk || !gidOk || uid == 0)
        return std::nullopt;
    return std::make_pair(uid_t(uid), gid_t(gid));
}

} // namespace

Result<CardImages, QString> cardImagesAsUser(const QString &imagePath)
{
    const auto user = invokingUser();
    if (!user)
        return makeCardImages(imagePath);
    QProcess child;
    child.setChildProcessModifier([uid = user->first, gid = user->second] {
        // Without every group of root's and with the user's own ids, for good.
        if (::setgroups(1, &gid) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0 || ::setuid(0) == 0)
            ::_exit(3);
    });
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(decodeChildArgument), imagePath});
    child.closeWriteChannel();
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() == 3)
        return tr("\"%1\" could not be read with your user's rights (%2): try again without sudo, on a card set "
                  "you own.")
            .arg(imagePath, child.exitCode() == 3 ? tr("the rights could not be dropped") : child.errorString());
    if (child.exitCode() != 0)
        return QString::fromUtf8(child.readAllStandardError()).trimmed();
    const auto change = CardSetChange::parse(child.readAllStandardOutput());
    if (!change || change->steps.size() != 1 || !std::holds_alternative<CardSetChange::AddCard>(change->steps[0]))
        return tr("The pictures for \"%1\" could not be made: try another picture.").arg(imagePath);
    const auto &add = std::get<CardSetChange::AddCard>(change->steps[0]);
    return CardImages{add.bitmap, add.large, add.largeSuffix};
}

int decodeChildMain(const QString &imagePath)
{
    const auto images = makeCardImages(imagePath);
    if (!images) {
        std::fprintf(stderr, "%s\n", qPrintable(images.error()));
        return 1;
    }
    CardSetChange change;
    change.steps.append(CardSetChange::AddCard{{}, images->bitmap, images->largeSuffix, images->large, false});
    const QByteArray bytes = change.serialize();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) ? 0 : 1;
}
