#include "deck/cardsetchange.h"

#include "deck/picturefile.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CardSetChange", text);
}

// "PWCS", then the format's version: a reader refuses any other.
constexpr char magic[] = {'P', 'W', 'C', 'S'};
constexpr quint8 formatVersion = 1;

enum StepType : quint8 { AddCardType = 1, RenameCardType, RemoveCardType, SetRecordingType, RemoveRecordingType,
                         SetLanguageType };

constexpr qsizetype wordBytes = 255;
constexpr qsizetype languageBytes = 64;
constexpr qsizetype recordingBytes = 2 * 1024 * 1024;

class Writer
{
public:
    void byte(quint8 value) { m_bytes.append(char(value)); }
    void bytes(const QByteArray &value)
    {
        char length[4];
        qToLittleEndian<quint32>(quint32(value.size()), length);
        m_bytes.append(length, 4).append(value);
    }
    void text(const QString &value) { bytes(value.toUtf8()); }
    void number(quint32 value)
    {
        char bytes[4];
        qToLittleEndian<quint32>(value, bytes);
        m_bytes.append(bytes, 4);
    }
    QByteArray result() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads from the bytes until anything is wrong, then only says so.
class Reader
{
    Q_DECLARE_TR_FUNCTIONS(CardSetChange)

public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    bool atEnd() const { return m_at == m_bytes.size(); }
    void fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = why;
    }

    quint8 byte()
    {
        if (failed() || m_at >= m_bytes.size()) {
            fail(tr("it ends too soon"));
            return 0;
        }
        return quint8(m_bytes.at(m_at++));
    }
    bool flag()
    {
        const quint8 value = byte();
        if (value > 1)
            fail(tr("a yes-or-no value is neither"));
        return value == 1;
    }
    quint32 number()
    {
        if (failed() || m_bytes.size() - m_at < 4) {
            fail(tr("it ends too soon"));
            return 0;
        }
        const quint32 value = qFromLittleEndian<quint32>(m_bytes.constData() + m_at);
        m_at += 4;
        return value;
    }
    QByteArray bytes(qsizetype most, const char *what)
    {
        const quint32 length = number();
        if (failed())
            return {};
        if (length > quint64(most)) {
            fail(tr("%1 is larger than %2 bytes").arg(tr(what)).arg(most));
            return {};
        }
        if (quint64(m_bytes.size() - m_at) < length) {
            fail(tr("it ends too soon"));
            return {};
        }
        const QByteArray value = m_bytes.mid(m_at, qsizetype(length));
        m_at += qsizetype(length);
        return value;
    }
    QString text(qsizetype most, const char *what)
    {
        const QByteArray utf8 = bytes(most, what);
        const QString value = QString::fromUtf8(utf8);
        if (value.toUtf8() != utf8)
            fail(tr("%1 is not valid UTF-8 text").arg(tr(what)));
        return value;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_at = 0;
    QString m_error;
};

// The finished 273 x 217 24-bit bitmap: its header and rows padded to four bytes.
constexpr qsizetype cardBitmapBytes =
    54 + qsizetype((PictureFile::cardWidth * 3 + 3) / 4 * 4) * PictureFile::cardHeight;

} // namespace

QByteArray CardSetChange::serialize() const
{
    Writer out;
    for (const char c : magic)
        out.byte(quint8(c));
    out.byte(formatVersion);
    out.number(quint32(steps.size()));
    for (const Step &step : steps) {
        std::visit(
            [&out](const auto &s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, AddCard>) {
                    out.byte(AddCardType);
                    out.text(s.word);
                    out.bytes(s.bitmap);
                    out.text(s.largeSuffix);
                    out.bytes(s.large);
                    out.byte(s.replace);
                } else if constexpr (std::is_same_v<T, RenameCard>) {
                    out.byte(RenameCardType);
                    out.text(s.from);
                    out.text(s.to);
                } else if constexpr (std::is_same_v<T, RemoveCard>) {
                    out.byte(RemoveCardType);
                    out.text(s.word);
                    out.byte(s.all);
                } else if constexpr (std::is_same_v<T, SetRecording>) {
                    out.byte(SetRecordingType);
                    out.text(s.word);
                    out.bytes(s.ogg);
                } else if constexpr (std::is_same_v<T, RemoveRecording>) {
                    out.byte(RemoveRecordingType);
                    out.text(s.word);
                } else {
                    out.byte(SetLanguageType);
                    out.text(s.language);
                }
            },
            step);
    }
    return out.result();
}

Result<CardSetChange, QString> CardSetChange::parse(const QByteArray &bytes)
{
    const auto refused = [](const QString &why) { return tr("The change of the card set is not readable: %1.").arg(why); };
    if (bytes.size() > maxBytes)
        return refused(tr("it is larger than %1 bytes").arg(maxBytes));
    Reader in(bytes);
    for (const char c : magic) {
        if (in.byte() != quint8(c))
            return refused(tr("it does not begin as one does"));
    }
    if (const quint8 version = in.byte(); version != formatVersion)
        return refused(tr("it is of version %1, and this Pomwit reads version %2").arg(version).arg(formatVersion));
    const quint32 count = in.number();
    if (!in.failed() && count > quint32(maxSteps))
        in.fail(tr("it does not hold from 0 to %1 steps").arg(maxSteps));
    CardSetChange change;
    for (quint32 i = 0; i < count && !in.failed(); ++i) {
        switch (in.byte()) {
        case AddCardType: {
            AddCard add;
            add.word = in.text(wordBytes, QT_TRANSLATE_NOOP("CardSetChange", "a word"));
            add.bitmap = in.bytes(cardBitmapBytes, QT_TRANSLATE_NOOP("CardSetChange", "a card bitmap"));
            add.largeSuffix = in.text(3, QT_TRANSLATE_NOOP("CardSetChange", "a picture's suffix"));
            add.large = in.bytes(maxLargeBytes, QT_TRANSLATE_NOOP("CardSetChange", "a large picture"));
            add.replace = in.flag();
            if (!in.failed() && add.bitmap.size() != cardBitmapBytes)
                in.fail(tr("a card bitmap is not of the size a 273 × 217 24-bit BMP has"));
            if (!in.failed() && add.largeSuffix != QLatin1String("jpg") && add.largeSuffix != QLatin1String("png"))
                in.fail(tr("a large picture is neither a JPEG nor a PNG"));
            change.steps.append(add);
            break;
        }
        case RenameCardType: {
            RenameCard rename;
            rename.from = in.text(wordBytes, QT_TRANSLATE_NOOP("CardSetChange", "a word"));
            rename.to = in.text(wordBytes, QT_TRANSLATE_NOOP("CardSetChange", "a word"));
            change.steps.append(rename);
            break;
        }
        case RemoveCardType: {
            RemoveCard remove;
            remove.word = in.text(wordBytes, QT_TRANSLATE_NOOP("CardSetChange", "a word"));
            remove.all = in.flag();
            change.steps.append(remove);
            break;
        }
        case SetRecordingType: {
            SetRecording recording;
            recording.word = in.text(wordBytes, QT_TRANSLATE_NOOP("CardSetChange", "a word"));
            recording.ogg = in.bytes(recordingBytes, QT_TRANSLATE_NOOP("CardSetChange", "a recording"));
            change.steps.append(recording);
            break;
        }
        case RemoveRecordingType:
            change.steps.append(RemoveRecording{in.text(wordBytes, QT_TRANSLATE_NOOP("CardSetChange", "a word"))});
            break;
        case SetLanguageType:
            change.steps.append(SetLanguage{in.text(languageBytes, QT_TRANSLATE_NOOP("CardSetChange", "a language"))});
            break;
        default:
            in.fail(tr("step %1 is of no known kind").arg(i + 1));
        }
    }
    if (!in.failed() && !in.atEnd())
        in.fail(tr("it goes on after its last step"));
    if (in.failed())
        return refused(in.error());
    return change;
}
