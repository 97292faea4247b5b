#include "deck/changebatch.h"

#include "deck/cardsetfiles.h"
#include "deck/cardwords.h"
#include "deck/editmessages.h"

using namespace cardSetFiles;

ChangeBatch::ChangeBatch(const CardSetLocation &location)
    : m_location(location)
{
}

ChangeBatch::~ChangeBatch()
{
    for (const QString &temporary : std::as_const(m_after)) {
        if (!temporary.isEmpty())
            remove(m_location.picture(temporary));
    }
    for (const QString &temporary : std::as_const(m_unused))
        remove(m_location.picture(temporary));
}

bool ChangeBatch::has(const QString &name) const
{
    const auto touched = m_after.constFind(name);
    if (touched != m_after.cend())
        return !touched->isEmpty();
    return exists(m_location.picture(name));
}

namespace {

QStringList named(const ChangeBatch &batch, const QString &word, const QStringList &suffixes)
{
    QStringList names;
    if (!cardWords::checkFileName(word))
        return names;
    for (const QString &suffix : suffixes) {
        const QString name = word + QLatin1Char('.') + suffix;
        if (batch.has(name))
            names.append(name);
    }
    return names;
}

} // namespace

QStringList ChangeBatch::pictures(const QString &word) const
{
    return named(*this, word, cardWords::pictureSuffixes());
}

QStringList ChangeBatch::recordings(const QString &word) const
{
    return named(*this, word, cardWords::recordingSuffixes());
}

QStringList ChangeBatch::files(const QString &word) const
{
    return pictures(word) + recordings(word);
}

void ChangeBatch::forget(const QString &name)
{
    const QString temporary = m_after.value(name);
    if (!temporary.isEmpty())
        m_unused.append(temporary);
}

StoreResult<Done> ChangeBatch::write(const QString &name, const QByteArray &bytes)
{
    const auto written = writeTemporary(bytes, m_location.pictures(), m_location.ownerId(), m_location.groupId());
    if (!written)
        return written.error();
    forget(name);
    m_after.insert(name, written.value());
    betweenSteps();
    return Done{};
}

StoreResult<Done> ChangeBatch::move(const QString &from, const QString &to)
{
    QString temporary = m_after.value(from);
    if (temporary.isEmpty()) {
        // A file that stays where it is until the commit, under a second name.
        temporary = temporaryName("tmp");
        if (!link(m_location.picture(from), m_location.picture(temporary)))
            return editMessages::notWritten(m_location.picture(temporary), errorText());
    }
    m_after.insert(from, QString());
    forget(to);
    m_after.insert(to, temporary);
    return Done{};
}

void ChangeBatch::drop(const QString &name)
{
    forget(name);
    m_after.insert(name, QString());
}

ChangeJournal::Plan ChangeBatch::takePlan()
{
    ChangeJournal::Plan plan;
    for (auto name = m_after.cbegin(); name != m_after.cend(); ++name) {
        if (!name->isEmpty())
            plan.put.append({name.value(), name.key(), QString()});
        else if (exists(m_location.picture(name.key())))
            plan.drop.append(name.key());
    }
    m_after.clear();
    return plan;
}
