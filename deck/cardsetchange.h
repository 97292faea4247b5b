#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

// One whole change to the card set, made by a grown-up's tool (the card
// workshop, the options window's language, pomwit-cards) and carried out all
// or nothing: by the editor in this process when the user may write the card
// set, by the privileged helper, which receives it serialized on standard
// input, when not. It holds finished files only: pictures already decoded and
// fitted, recordings already encoded, never paths to a user's files.
struct CardSetChange
{
    struct AddCard
    {
        QString word;
        QByteArray bitmap;   // the 273 x 217 24-bit BMP
        QString largeSuffix; // "jpg" or "png"
        QByteArray large;    // the large picture for full screen
        bool replace = false;
    };
    struct RenameCard
    {
        QString from;
        QString to;
    };
    struct RemoveCard
    {
        QString word;
        bool all = false;
    };
    // The card's recording becomes WORD.ogg; its other recordings go.
    struct SetRecording
    {
        QString word;
        QByteArray ogg;
    };
    struct RemoveRecording
    {
        QString word;
    };
    // The card set's language, e.g. "de" or "pt-BR".
    struct SetLanguage
    {
        QString language;
    };
    using Step = std::variant<AddCard, RenameCard, RemoveCard, SetRecording, RemoveRecording, SetLanguage>;

    QList<Step> steps;

    // A change of one step. (GCC 12 at -O3 takes a braced list of these
    // variants for uninitialised.)
    static CardSetChange of(Step step)
    {
        CardSetChange change;
        change.steps.append(std::move(step));
        return change;
    }

    // What parse() takes at most.
    static constexpr qsizetype maxSteps = 5000;
    static constexpr qsizetype maxLargeBytes = 8 * 1024 * 1024;
    static constexpr qsizetype maxBytes = 512 * 1024 * 1024;

    QByteArray serialize() const;
    // Reads what serialize() wrote. Every count and size is bounded; bytes
    // that are not such a change give a reason, never a crash.
    static Result<CardSetChange, QString> parse(const QByteArray &bytes);
};
