#include "cards/invokinguser.h"

#include "cards/commandrun.h"

#include <QCoreApplication>
#include <QProcess>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int childTimeoutMs = 120000;

} // namespace

std::optional<InvokingUser> InvokingUser::underSudo()
{
    bool uidOk = false, gidOk = false;
    const uint uid = qEnvironmentVariable("SUDO_UID").toUInt(&uidOk);
    const uint gid = qEnvironmentVariable("SUDO_GID").toUInt(&gidOk);
    if (::geteuid() != 0 || !uidOk || !gidOk || uid == 0)
        return std::nullopt;
    InvokingUser user;
    user.m_uid = uid;
    user.m_gid = gid;
    // Looked up here: after the fork only plain system calls are safe.
    if (const passwd *entry = ::getpwuid(uid)) {
        user.m_home = QString::fromLocal8Bit(entry->pw_dir);
        int count = 64;
        QList<gid_t> groups(count);
        if (::getgrouplist(entry->pw_name, gid, groups.data(), &count) >= 0)
            user.m_groups = groups.first(count);
    }
    if (user.m_groups.isEmpty())
        user.m_groups = {gid};
    return user;
}

Result<QByteArray, QString> InvokingUser::run(const QStringList &arguments, const QByteArray &input,
                                              qint64 maxBytes) const
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(QStringList{QLatin1String(childArgument)} + arguments);
    child.setWorkingDirectory(QStringLiteral("/"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.isEmpty() ? QStringLiteral("/") : m_home);
    child.setProcessEnvironment(environment);
    const uid_t uid = m_uid;
    const gid_t gid = m_gid;
    const QList<gid_t> groups = m_groups;
    child.setChildProcessModifier([uid, gid, groups] {
        if (::setgroups(size_t(groups.size()), groups.constData()) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0
            || ::setuid(0) == 0)
            ::_exit(127);
    });
    child.start();
    child.write(input);
    child.closeWriteChannel();
    if (!child.waitForFinished(childTimeoutMs)) {
        child.kill();
        child.waitForFinished();
        return cards::tr("Decoding as the user who ran sudo did not finish within %1 seconds.")
            .arg(childTimeoutMs / 1000);
    }
    const QByteArray output = child.readAllStandardOutput();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        // Its message is its last line; a library may have written before it.
        const QString said = QString::fromUtf8(child.readAllStandardError()).trimmed().section(QLatin1Char('\n'), -1);
        return said.isEmpty() ? cards::tr("Decoding as the user who ran sudo failed.") : said;
    }
    if (output.size() > maxBytes)
        return cards::tr("Decoding as the user who ran sudo gave more than %1 bytes.").arg(maxBytes);
    return output;
}
