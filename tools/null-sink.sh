#!/usr/bin/env bash
# Starts or stops a private sound server whose only output is a null sink,
# so that sound can be played where there is no sound card (build machines).
# Usage: tools/null-sink.sh start DIR [--microphone] | stop DIR
# Clients reach it with PULSE_SERVER=unix:DIR/native. With --microphone the
# default source is a microphone that hears what is played into the sink (Qt
# lists no monitor as an input).
set -euo pipefail

command=${1:-}
dir=${2:-}
microphone=()
if [ "${3:-}" = --microphone ]; then
    microphone=(--load="module-remap-source master=pomwit_null.monitor source_name=pomwit_microphone")
fi
if [ -z "$command" ] || [ -z "$dir" ]; then
    echo "usage: $0 start DIR [--microphone] | stop DIR" >&2
    exit 2
fi

end_process() {
    local pidfile=$1
    if [ -f "$pidfile" ]; then
        pid=$(cat "$pidfile")
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            for _ in $(seq 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -9 "$pid" 2>/dev/null || true
        fi
        rm -f "$pidfile"
    fi
}

stop() {
    end_process "$dir/keepalive.pid"
    end_process "$dir/pid"
}

sink_latency_usec() {
    PULSE_SERVER="unix:$dir/native" pactl list sinks 2>/dev/null | sed -n 's/.*Latency: \([0-9]*\) usec.*/\1/p' | head -n1
}

case "$command" in
start)
    command -v pulseaudio >/dev/null || { echo "pulseaudio is not installed" >&2; exit 1; }
    stop # a server left over from an interrupted run
    rm -rf "$dir"
    mkdir -p "$dir/home" "$dir/runtime"
    chmod 700 "$dir" "$dir/runtime"
    # A private home and runtime directory: nothing of the user's own sound
    # setup is read or touched. Anonymous access spares the cookie file; as
    # root the server only warns that it is meant for a desktop user.
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" PULSE_RUNTIME_PATH="$dir/runtime" \
        XDG_CONFIG_HOME="$dir/home/.config" PULSE_STATE_PATH="$dir/home/state" \
        nohup pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no \
        --disable-shm=yes --log-target=stderr \
        --load="module-null-sink sink_name=pomwit_null" \
        --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" "${microphone[@]}" \
        </dev/null >"$dir/server.log" 2>&1 &
    echo $! >"$dir/pid"
    for _ in $(seq 100); do
        if [ -S "$dir/native" ]; then
            break
        fi
        if ! kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [ -S "$dir/native" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
        # An idle null sink renders silence two seconds ahead, and a new
        # stream would queue behind it. A quiet low-latency stream keeps the
        # sink's latency short; wait until the silence already queued is gone.
        PULSE_SERVER="unix:$dir/native" nohup pacat --playback --raw --format=s16le --rate=8000 \
            --channels=1 --latency-msec=30 --stream-name=keepalive /dev/zero \
            </dev/null >"$dir/keepalive.log" 2>&1 &
        echo $! >"$dir/keepalive.pid"
        for _ in $(seq 50); do
            latency=$(sink_latency_usec)
            if [ -n "$latency" ] && [ "$latency" -lt 100000 ]; then
                echo "null sink ready at unix:$dir/native"
                exit 0
            fi
            sleep 0.1
        done
        echo "the null sink's latency stayed at ${latency:-?} usec" >&2
    fi
    echo "the sound server did not start; its log:" >&2
    cat "$dir/server.log" >&2 || true
    stop
    exit 1
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
