#include "windows/recordingpanel.h"

#include "speech/microphone.h"
#include "speech/phraseplayer.h"
#include "speech/voicerecorder.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

RecordingPanel::RecordingPanel(std::shared_ptr<PhrasePlayer> player, std::shared_ptr<Microphone> microphone,
                               QWidget *parent)
    : QGroupBox(tr("Recording of the card's word"), parent)
    , m_player(std::move(player))
{
    setObjectName(QStringLiteral("frarecording"));
    m_recorder = new VoiceRecorder(m_player, microphone ? std::move(microphone) : makeSystemMicrophone(),
                                   std::chrono::seconds(10), this);

    lblsay = makeLabel(QStringLiteral("lblsay"), this);
    cmdrecord = makeButton(QStringLiteral("cmdrecord"), tr("R&ecord"), this);
    cmdstop = makeButton(QStringLiteral("cmdstop"), tr("S&top"), this);
    cmdlisten = makeButton(QStringLiteral("cmdlisten"), tr("L&isten"), this);
    cmdkeeprecording = makeButton(QStringLiteral("cmdkeeprecording"), tr("Kee&p"), this);
    cmddiscard = makeButton(QStringLiteral("cmddiscard"), tr("Dis&card"), this);
    cmdremoverecording = makeButton(QStringLiteral("cmdremoverecording"), tr("Remo&ve Recording…"), this);
    prglevel = new QProgressBar(this);
    prglevel->setObjectName(QStringLiteral("prglevel"));
    prglevel->setAccessibleName(tr("Level"));
    prglevel->setRange(0, 100);
    prglevel->setValue(0);
    prglevel->setTextVisible(false);
    lbltimeleft = makeLabel(QStringLiteral("lbltimeleft"), this);
    lblrecordingnote = makeLabel(QStringLiteral("lblrecordingnote"), this);
    lblrecordingnote->setForegroundRole(QPalette::Highlight);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblsay, 0, 0, 1, 6);
    const QList<QPushButton *> buttons{cmdrecord, cmdstop, cmdlisten, cmdkeeprecording, cmddiscard, cmdremoverecording};
    for (int column = 0; column < buttons.size(); ++column)
        grid->addWidget(buttons[column], 1, column);
    grid->addWidget(prglevel, 2, 0, 1, 4);
    grid->addWidget(lbltimeleft, 2, 4, 1, 2);
    grid->addWidget(lblrecordingnote, 3, 0, 1, 6);
    for (int i = 1; i < buttons.size(); ++i)
        QWidget::setTabOrder(buttons[i - 1], buttons[i]);

    connect(cmdrecord, &QPushButton::clicked, this, &RecordingPanel::cmdrecord_Click);
    connect(cmdstop, &QPushButton::clicked, this, &RecordingPanel::cmdstop_Click);
    connect(cmdlisten, &QPushButton::clicked, this, &RecordingPanel::cmdlisten_Click);
    connect(cmdkeeprecording, &QPushButton::clicked, this, &RecordingPanel::cmdkeeprecording_Click);
    connect(cmddiscard, &QPushButton::clicked, this, &RecordingPanel::cmddiscard_Click);
    connect(cmdremoverecording, &QPushButton::clicked, this, &RecordingPanel::cmdremoverecording_Click);
    connect(m_recorder, &VoiceRecorder::stateChanged, this, &RecordingPanel::recorderStateChanged);
    connect(m_recorder, &VoiceRecorder::levelChanged, this, &RecordingPanel::levelChanged);
    connect(m_recorder, &VoiceRecorder::secondsLeftChanged, this,
            [this] { lbltimeleft->setText(m_recorder->timeLeftText()); });
    connect(m_recorder, &VoiceRecorder::failed, this, &RecordingPanel::tell);
    if (m_player)
        connect(m_player.get(), &PhrasePlayer::finished, this, &RecordingPanel::playerFinished);
    updateControls();
}

RecordingPanel::~RecordingPanel()
{
    release();
}

QWidget *RecordingPanel::firstControl() const
{
    return cmdrecord;
}

QWidget *RecordingPanel::lastControl() const
{
    return cmdremoverecording;
}

void RecordingPanel::setCard(const QString &word, const QString &phrase, bool recorded)
{
    if (word != m_word) {
        if (m_listening)
            m_player->stop();
        m_recorder->discard();
        tell(QString());
    }
    m_word = word;
    m_recorded = recorded;
    lblsay->setText(word.isEmpty() ? QString() : tr("Say: %1").arg(phrase));
    // Asked again while there is none: a microphone may have been plugged in since.
    if (!word.isEmpty() && (!m_canRecord || !*m_canRecord)) {
        m_canRecord = m_recorder->canRecord();
        if (!*m_canRecord)
            tell(m_canRecord->error());
    }
    updateControls();
}

void RecordingPanel::setBusy(bool busy)
{
    m_busy = busy;
    updateControls();
}

void RecordingPanel::written(bool done)
{
    if (!std::exchange(m_keeping, false))
        return;
    if (done) {
        m_recorder->discard();
        tell(tr("The recording has been kept."));
    }
    updateControls();
}

void RecordingPanel::release()
{
    if (m_listening)
        m_player->stop();
    if (m_player)
        disconnect(m_player.get(), nullptr, this, nullptr);
    m_recorder->discard();
}

void RecordingPanel::cmdrecord_Click()
{
    if (m_word.isEmpty())
        return;
    if (const auto started = m_recorder->start(); !started)
        tell(started.error());
}

void RecordingPanel::cmdstop_Click()
{
    if (m_listening)
        m_player->stop();
    else
        m_recorder->stop();
}

void RecordingPanel::cmdlisten_Click()
{
    // Set first: the end may come before listen() returns.
    m_listening = true;
    if (const auto started = m_recorder->listen(); !started) {
        m_listening = false;
        tell(started.error());
    }
    updateControls();
    if (m_listening)
        cmdstop->setFocus();
}

void RecordingPanel::cmdkeeprecording_Click()
{
    if (m_keeping || m_busy)
        return;
    const auto ogg = m_recorder->encode();
    if (!ogg)
        return tell(tr("The recording could not be kept: %1.").arg(ogg.error().reason));
    m_keeping = true;
    updateControls();
    emit keepAsked(CardSetChange::of(CardSetChange::SetRecording{m_word, *ogg}));
}

void RecordingPanel::cmddiscard_Click()
{
    if (m_listening)
        m_player->stop();
    m_recorder->discard();
    tell(QString());
}

void RecordingPanel::cmdremoverecording_Click()
{
    if (!m_word.isEmpty() && m_recorded)
        emit removeAsked(m_word);
}

void RecordingPanel::recorderStateChanged()
{
    using State = VoiceRecorder::State;
    // Keyboard users land on the next thing to press; the focus elsewhere stays where it is.
    const bool focusHere = isAncestorOf(QApplication::focusWidget());
    QWidget *next = nullptr;
    switch (m_recorder->state()) {
    case State::Tone:
        tell(tr("Speak after the tone."));
        next = cmdstop;
        break;
    case State::Recording:
        tell(tr("Recording: say the words, then press Stop."));
        next = cmdstop;
        break;
    case State::Recorded:
        tell(tr("Listen to the recording, then keep it or discard it."));
        next = cmdlisten;
        break;
    case State::Idle:
        tell(QString());
        next = cmdrecord;
        break;
    }
    if (m_recorder->state() != State::Recording) {
        lbltimeleft->clear();
        prglevel->setValue(0);
    }
    updateControls();
    if (focusHere && next->isEnabled())
        next->setFocus();
}

void RecordingPanel::levelChanged(double level)
{
    // In decibels, as sound meters show it, -60 dB and below empty; in steps
    // of 5 so that a screen reader is not flooded with changes.
    const double decibels = level > 0 ? 20 * std::log10(level) : -60;
    prglevel->setValue(5 * int(std::lround(std::clamp((decibels + 60) / 60, 0.0, 1.0) * 20)));
}

void RecordingPanel::playerFinished(const SpeechResult<> &result)
{
    if (!std::exchange(m_listening, false))
        return;
    if (!result && result.error().kind != SpeechError::Kind::Stopped)
        tell(result.error().message);
    updateControls();
    if (isAncestorOf(QApplication::focusWidget()) || !QApplication::focusWidget())
        cmdlisten->setFocus();
}

void RecordingPanel::tell(const QString &note)
{
    lblrecordingnote->setText(note);
}

void RecordingPanel::updateControls()
{
    using State = VoiceRecorder::State;
    const State state = m_recorder->state();
    const bool chosen = !m_word.isEmpty();
    const bool microphone = m_canRecord && *m_canRecord;
    const bool underWay = state == State::Tone || state == State::Recording;
    cmdrecord->setEnabled(chosen && microphone && !underWay && !m_listening);
    // A disabled Record tells a screen reader why.
    cmdrecord->setAccessibleDescription(m_canRecord && !*m_canRecord ? m_canRecord->error() : QString());
    cmdstop->setEnabled(underWay || m_listening);
    cmdlisten->setEnabled(state == State::Recorded && !m_listening);
    cmdkeeprecording->setEnabled(state == State::Recorded && !m_busy && !m_keeping);
    cmddiscard->setEnabled(state == State::Recorded);
    cmdremoverecording->setEnabled(chosen && m_recorded && !m_busy && !underWay);
}
