#include "windows/cardsetwriter.h"

#include "deck/cardseteditor.h"
#include "deck/cardsetfiles.h"
#include "deck/cardsetlocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QThreadPool>
#include <QTimer>

#include <unistd.h>

namespace {

// pkexec's own exit statuses: the grown-up dismissed the dialog; no
// permission could be had (refused by a rule, or no agent to ask).
constexpr int pkexecDismissed = 126;
constexpr int pkexecNotAuthorized = 127;

// What a grown-up can run in a terminal instead, for the change's first step.
QString instead(const CardSetChange &change)
{
    if (change.steps.isEmpty())
        return QStringLiteral("sudo pomwit-cards");
    return std::visit(
        [](const auto &step) -> QString {
            using T = std::decay_t<decltype(step)>;
            if constexpr (std::is_same_v<T, CardSetChange::RenameCard>)
                return QStringLiteral("sudo pomwit-cards rename \"%1\" \"%2\"").arg(step.from, step.to);
            else if constexpr (std::is_same_v<T, CardSetChange::RemoveCard>)
                return QStringLiteral("sudo pomwit-cards remove \"%1\"").arg(step.word);
            else if constexpr (std::is_same_v<T, CardSetChange::AddCard>)
                return QStringLiteral("sudo pomwit-cards add WORD PICTURE");
            else if constexpr (std::is_same_v<T, CardSetChange::SetLanguage>)
                return QStringLiteral("sudo pomwit-cards language %1").arg(step.language);
            else
                return QStringLiteral("sudo pomwit-cards");
        },
        change.steps.constFirst());
}

} // namespace

// Whom a change under way reports to: read and written on the GUI thread only.
struct CardSetWriter::Waiting
{
    QPointer<CardSetWriter> writer;
};

CardSetWriter::CardSetWriter(const QString &applicationFolder, QObject *parent)
    : CardSetWriter(applicationFolder, Route::AsAllowed, parent)
{
}

CardSetWriter::CardSetWriter(const QString &applicationFolder, Route route, QObject *parent)
    : QObject(parent)
    , m_folder(applicationFolder)
    , m_route(route)
{
}

CardSetWriter::~CardSetWriter()
{
    abandon();
}

bool CardSetWriter::isBusy() const
{
    return m_waiting != nullptr;
}

QString CardSetWriter::helperPath(const QString &applicationFolder)
{
    const QString folder = QFileInfo(applicationFolder).canonicalFilePath();
    return (folder.isEmpty() ? applicationFolder : folder) + QLatin1String("/pomwit-cardset-helper");
}

bool CardSetWriter::mayWrite(const QString &applicationFolder)
{
    const auto location = CardSetLocation::resolve(applicationFolder);
    // A card set that cannot be found is no reason to ask: here says why.
    if (!location)
        return true;
    for (const QString &path : {location->folder(), location->database(), location->pictures()}) {
        if (cardSetFiles::exists(path) && ::access(cardSetFiles::native(path).constData(), W_OK) != 0)
            return false;
    }
    return true;
}

void CardSetWriter::submit(const CardSetChange &change)
{
    if (isBusy()) {
        QTimer::singleShot(0, this, [this] {
            emit finished(false, tr("Another change of the card set is being made: wait until it is done, then "
                                    "try again."));
        });
        return;
    }
    m_waiting = std::make_shared<Waiting>(Waiting{this});
    const bool here = m_route == Route::InProcess || (m_route == Route::AsAllowed && mayWrite(m_folder));
    if (here)
        writeHere(change);
    else
        writeThroughHelper(change);
}

void CardSetWriter::writeHere(const CardSetChange &change)
{
    QThreadPool::globalInstance()->start([waiting = m_waiting, folder = m_folder, change] {
        QString message;
        auto editor = CardSetEditor::open(folder, CardSetEditor::Mode::Write);
        if (!editor) {
            message = editor.error().message;
        } else if (const auto applied = editor.value()->apply(change); !applied) {
            message = applied.error().message;
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), [waiting, message] {
            if (waiting->writer && waiting->writer->m_waiting == waiting)
                waiting->writer->end(message.isEmpty(), message);
        });
    });
}

void CardSetWriter::writeThroughHelper(const CardSetChange &change)
{
    // Parented to the application: a helper running as root cannot be
    // stopped by this user, and a process object that goes waits for it.
    m_helper = new QProcess(QCoreApplication::instance());
    QProcess *helper = m_helper;
    const QString what = instead(change);
    connect(helper, &QProcess::finished, helper, &QObject::deleteLater);
    connect(helper, &QProcess::errorOccurred, helper, [helper](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            helper->deleteLater();
    });
    connect(helper, &QProcess::finished, this, [this, helper, what](int exitCode, QProcess::ExitStatus status) {
        if (helper == m_helper)
            helperEnded(exitCode, status == QProcess::CrashExit, QString::fromUtf8(helper->readAllStandardError()),
                        what);
    });
    connect(helper, &QProcess::errorOccurred, this, [this, helper, what](QProcess::ProcessError error) {
        if (helper == m_helper && error == QProcess::FailedToStart)
            end(false, tr("The card set was not changed: Pomwit cannot ask for a grown-up's permission here, as "
                          "pkexec is not installed (sudo apt install pkexec). Make the change in a terminal "
                          "instead: %1")
                           .arg(what));
    });
    // Without a desktop's permission dialog pkexec would ask on the terminal
    // Pomwit was started from, where nobody looks.
    helper->start(QStringLiteral("pkexec"), {QStringLiteral("--disable-internal-agent"), helperPath(m_folder)});
    helper->write(change.serialize());
    helper->closeWriteChannel();
}

void CardSetWriter::helperEnded(int exitCode, bool crashed, const QString &errors, const QString &instead)
{
    if (!crashed && exitCode == 0)
        return end(true, QString());
    if (!crashed && (exitCode == pkexecDismissed
                     || (exitCode == pkexecNotAuthorized && errors.contains(QLatin1String("Not authorized")))))
        return end(false, tr("The card set was not changed: permission was refused. A grown-up may allow it with "
                             "their password, or make the change in a terminal: %1")
                              .arg(instead));
    if (!crashed && exitCode == pkexecNotAuthorized)
        return end(false, tr("The card set was not changed: Pomwit could not ask for a grown-up's permission, as "
                             "no permission dialog (polkit agent) is running. Make the change in a terminal "
                             "instead: %1")
                              .arg(instead));
    const QString said = errors.section(QLatin1Char('\n'), 0, 0, QString::SectionSkipEmpty).trimmed();
    if (crashed || said.isEmpty())
        return end(false, tr("The card set was not changed: the helper that changes it ended unexpectedly. Make "
                             "the change in a terminal instead: %1")
                              .arg(instead));
    end(false, said);
}

void CardSetWriter::end(bool done, const QString &message)
{
    m_waiting.reset();
    m_helper = nullptr;
    emit finished(done, message);
}

void CardSetWriter::abandon()
{
    m_waiting.reset();
    if (m_helper)
        m_helper->disconnect(this);
    m_helper = nullptr;
}
