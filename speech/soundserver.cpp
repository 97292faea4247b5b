#include "speech/soundserver.h"

#include <QElapsedTimer>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>

#include <memory>

bool soundServerAnswers(std::chrono::milliseconds timeout, QString *why)
{
    const std::unique_ptr<pa_mainloop, decltype(&pa_mainloop_free)> loop(pa_mainloop_new(), pa_mainloop_free);
    if (!loop) {
        *why = QStringLiteral("no main loop for the sound server");
        return false;
    }
    const std::unique_ptr<pa_context, decltype(&pa_context_unref)> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "Pomwit"), pa_context_unref);
    if (!context) {
        *why = QStringLiteral("no sound server context");
        return false;
    }
    // No autospawn: starting a server is the desktop's business, and it
    // could take longer than the limit.
    if (pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        *why = QString::fromUtf8(pa_strerror(pa_context_errno(context.get())));
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    bool answered = false;
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context.get());
        if (state == PA_CONTEXT_READY) {
            answered = true;
            break;
        }
        if (!PA_CONTEXT_IS_GOOD(state)) {
            *why = QString::fromUtf8(pa_strerror(pa_context_errno(context.get())));
            break;
        }
        const qint64 left = timeout.count() - clock.elapsed();
        if (left <= 0) {
            *why = QStringLiteral("the sound server did not answer within %1 ms").arg(timeout.count());
            break;
        }
        if (pa_mainloop_prepare(loop.get(), int(left * 1000)) < 0 || pa_mainloop_poll(loop.get()) < 0
            || pa_mainloop_dispatch(loop.get()) < 0) {
            *why = QStringLiteral("the sound server's connection broke");
            break;
        }
    }
    pa_context_disconnect(context.get());
    return answered;
}
