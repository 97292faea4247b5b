#pragma once

#include "deck/cardsetchange.h"

#include <QObject>
#include <QString>

#include <memory>

class QProcess;

// Carries out a change of the card set the way its owner allows: here when
// this user may write the card set (a build, an install under the home
// folder), else through the privileged helper under polkit, asking for a
// grown-up's permission. Never blocks the window: finished() comes once.
//
// Here, the change is made on a thread of Qt's global pool, which the
// application object waits for as it goes: a change under way when the
// program ends is finished first, never cut off half way.
class CardSetWriter : public QObject
{
    Q_OBJECT

public:
    // Which way a change goes: as the card set's owner allows, or always one
    // way (for tests: the helper's way, as root cannot be refused a folder).
    enum class Route { AsAllowed, InProcess, Helper };

    explicit CardSetWriter(const QString &applicationFolder, QObject *parent = nullptr);
    CardSetWriter(const QString &applicationFolder, Route route, QObject *parent = nullptr);
    ~CardSetWriter() override;

    bool isBusy() const;
    void submit(const CardSetChange &change);
    // Stops waiting for a change under way (window closed, program ending):
    // the change itself is still all or nothing.
    void abandon();

    // The helper beside the program, which the polkit action names.
    static QString helperPath(const QString &applicationFolder);
    // Whether this user may change the card set without asking anyone.
    static bool mayWrite(const QString &applicationFolder);

signals:
    // done: the change was made; otherwise message says in plain words why
    // not and what to do instead, and nothing changed.
    void finished(bool done, const QString &message);

private:
    struct Waiting;

    void writeHere(const CardSetChange &change);
    void writeThroughHelper(const CardSetChange &change);
    void helperEnded(int exitCode, bool crashed, const QString &errors, const QString &instead);
    void end(bool done, const QString &message);

    QString m_folder;
    Route m_route;
    std::shared_ptr<Waiting> m_waiting;
    QProcess *m_helper = nullptr;
};
