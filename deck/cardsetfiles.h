#pragma once

#include "deck/storeresult.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <functional>

// The file operations of the writing half: plain POSIX calls, so that a link
// is never followed where it must not be, and the temporary names a run makes.
namespace cardSetFiles {

constexpr unsigned fileMode = 0644;
constexpr unsigned folderMode = 0755;

QByteArray native(const QString &path);
QString errorText(int error = errno);
// Anything by that name, a link to nothing included.
bool exists(const QString &path);
// Gone already counts as removed.
bool remove(const QString &path);
bool move(const QString &from, const QString &to);
bool link(const QString &existing, const QString &link);
void syncFolder(const QString &folder);

// ".pomwit-cards-" and 16 random hex digits, then the suffix.
QString temporaryName(const char *suffix);
// A name a run makes; found when no run holds the card set, it is left over
// from one that was cut off.
bool isLeftover(const QString &name);
// A name from a journal that may be used inside the pictures folder.
bool isPlainName(const QString &name);
// Writes the bytes to a new temporary file in the folder, readable by all
// and, when written by root, owned by the card set's owner; returns its name.
StoreResult<QString> writeTemporary(const QByteArray &bytes, const QString &folder, uint ownerId, uint groupId);

// Runs between any two steps of a change; a test that cuts runs off at
// random points sets a pause here, so that every gap is wide enough to hit.
void betweenSteps();
void setBetweenSteps(std::function<void()> hook);

} // namespace cardSetFiles
