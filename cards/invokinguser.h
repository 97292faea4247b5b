#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include <sys/types.h>

// The user who ran pomwit-cards through sudo. A grown-up's own files (a
// recording to attach, and the card set's recordings, which came from users)
// are decoded by a copy of this command running with that user's rights, so
// that root parses no complex file.
class InvokingUser
{
public:
    // The first argument of such a copy; no user types it.
    static constexpr auto childArgument = "--decode-as-invoking-user";

    // Running as root through sudo: the user in SUDO_UID and SUDO_GID.
    static std::optional<InvokingUser> underSudo();

    // Runs this command with the arguments after childArgument, as that
    // user, the input on its standard input; gives its standard output, at
    // most maxBytes, or what it said on standard error when it failed.
    Result<QByteArray, QString> run(const QStringList &arguments, const QByteArray &input, qint64 maxBytes) const;

private:
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    QList<gid_t> m_groups;
    QString m_home;
};
