#pragma once

#include <QList>
#include <QString>
#include <QStringList>

enum class VoiceGender { Unknown, Female, Male };

// What a lookup asks of the selector's modes. Every wish a mode meets counts
// one; a key written twice in the attribute text counts twice.
struct VoiceQuery
{
    QStringList engines;        // "Mfg", e.g. "eSpeak NG"
    QList<VoiceGender> genders; // "Gender": 1 female, 2 male
    QStringList languages;      // "Language", e.g. "en"
    QStringList names;          // "Name", a mode's name

    // "key=value;key=value", keys without regard to case, spaces around keys
    // and values dropped. Pairs without a key and "=", other keys and other
    // genders are left out: no mode could meet them.
    static VoiceQuery parse(const QString &attributes);

    bool operator==(const VoiceQuery &) const = default;
};
