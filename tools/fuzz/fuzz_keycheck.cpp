// The key check in the real card window, offscreen: one card whose word and
// typed key come from the input (key, a zero byte, word).
#include "app/programwindows.h"
#include "app/frmmain.h"
#include "play/cardsession.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Window
{
    QTemporaryDir dir;
    std::unique_ptr<testsupport::TestServices> services;
    std::unique_ptr<ProgramWindows> forms;

    Window()
    {
        testsupport::writeCardDatabase(dir.path(), {QStringLiteral("apple")});
        services = std::make_unique<testsupport::TestServices>(dir.path());
        services->services.randomFraction = [] { return 0.0; };
        // Each input's phrase is ended by hand: the harness runs no event loop.
        services->audio->holding = true;
        forms = std::make_unique<ProgramWindows>(services->services);
        forms->main().cmdStartFlash_Click();
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the harness's other statics would go first at exit.
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 300)
        return 0;
    static Window window;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QString typed = QString::fromUtf8(split < 0 ? input : input.left(split));
    const QString word = split < 0 ? QStringLiteral("apple") : QString::fromUtf8(input.mid(split + 1));
    if (typed.isEmpty())
        return 0;

    if (!testsupport::editCardDatabase(window.dir.path(), QStringLiteral("DELETE FROM tblflashcards")))
        std::abort();
    {
        const QString name = QStringLiteral("fuzz-writer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(window.dir.path() + QStringLiteral("/pomwit.mdb"));
            db.open();
            QSqlQuery query(db);
            query.prepare(QStringLiteral("INSERT INTO tblflashcards VALUES (?)"));
            query.addBindValue(word);
            query.exec();
        }
        QSqlDatabase::removeDatabase(name);
    }
    frmCard &card = window.forms->card();
    card.cmdnextcard_Click();
    const QString shown = card.session().scurrword();
    card.txtanswerbox_KeyPress(typed);
    const QString answer = card.window()->findChild<QLabel *>(QStringLiteral("lblAnswer"))->text();
    if (!answer.isEmpty() && answer != shown)
        std::abort();
    window.services->messages->messages.clear();
    window.services->audio->played.clear();
    window.services->audio->finish();
    return 0;
}
