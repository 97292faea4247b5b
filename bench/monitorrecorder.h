#pragma once

#include <QByteArray>

#include <pulse/simple.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

using Clock = std::chrono::steady_clock;

// The sink's monitor, read in 5 ms pieces, each noted with the time it came.
class MonitorRecorder
{
public:
    explicit MonitorRecorder(const QByteArray &server)
    {
        const pa_sample_spec format{PA_SAMPLE_S16LE, rate, 1};
        pa_buffer_attr attributes{};
        attributes.maxlength = uint32_t(-1);
        attributes.fragsize = uint32_t(piece * 2);
        int error = 0;
        m_stream = pa_simple_new(server.constData(), "pomwit bench", PA_STREAM_RECORD, "pomwit_null.monitor",
                                 "monitor", &format, nullptr, &attributes, &error);
        if (m_stream)
            m_thread = std::thread([this] { record(); });
    }
    ~MonitorRecorder()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_stream)
            pa_simple_free(m_stream);
    }
    bool ok() const { return m_stream != nullptr; }

    // When sound was last and first heard after the given time.
    struct Heard
    {
        Clock::time_point first;
        Clock::time_point last;
        bool any = false;
    };
    Heard heardSince(Clock::time_point since)
    {
        const std::lock_guard lock(m_mutex);
        Heard heard;
        for (const Piece &p : m_pieces) {
            if (p.at < since || !p.loud)
                continue;
            if (!heard.any)
                heard.first = p.at;
            heard.last = p.at;
            heard.any = true;
        }
        return heard;
    }

    static constexpr uint32_t rate = 16000;
    static constexpr int piece = rate / 200; // 5 ms

private:
    struct Piece
    {
        Clock::time_point at;
        bool loud;
    };
    void record()
    {
        std::vector<int16_t> samples(piece);
        while (!m_stop) {
            int error = 0;
            if (pa_simple_read(m_stream, samples.data(), samples.size() * 2, &error) < 0)
                return;
            bool loud = false;
            for (const int16_t s : samples)
                loud = loud || std::abs(s) > 300;
            const std::lock_guard lock(m_mutex);
            m_pieces.push_back({Clock::now(), loud});
        }
    }

    pa_simple *m_stream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<Piece> m_pieces;
};
