#include "speech/soundserver.h"

#include <QElapsedTimer>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>

#include <memory>

Result<Done, QString> soundServerAnswers(std::chrono::milliseconds timeout)
{
    const std::unique_ptr<pa_mainloop, decltype(&pa_mainloop_free)> loop(pa_mainloop_new(), pa_mainloop_free);
    if (!loop)
        return QStringLiteral("no main loop for the sound server");
    const std::unique_ptr<pa_context, decltype(&pa_context_unref)> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "Pomwit"), pa_context_unref);
    if (!context)
        return QStringLiteral("no sound server context");
    // No autospawn: starting a server is the desktop's business, and it
    // could take longer than the limit.
    if (pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return QString::fromUtf8(pa_strerror(pa_context_errno(context.get())));
    // Disconnects on every return, before the context is let go (declared after it).
    const std::unique_ptr<pa_context, decltype(&pa_context_disconnect)> connected(context.get(), pa_context_disconnect);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context.get());
        if (state == PA_CONTEXT_READY)
            return Done{};
        if (!PA_CONTEXT_IS_GOOD(state))
            return QString::fromUtf8(pa_strerror(pa_context_errno(context.get())));
        const qint64 left = timeout.count() - clock.elapsed();
        if (left <= 0)
            return QStringLiteral("the sound server did not answer within %1 ms").arg(timeout.count());
        if (pa_mainloop_prepare(loop.get(), int(left * 1000)) < 0 || pa_mainloop_poll(loop.get()) < 0
            || pa_mainloop_dispatch(loop.get()) < 0)
            return QStringLiteral("the sound server's connection broke");
    }
}
