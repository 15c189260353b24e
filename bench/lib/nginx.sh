# shellcheck shell=bash
# nginx on 127.0.0.1 for the benchmarks: a generated configuration in a
# folder of its own (no system configuration is read or touched), a log line
# per request with the server's own timing, and a watchdog that stops it
# after a bounded lifetime should the benchmark script die without doing so.

# nginx_start FOLDER ROOT PORT LIFETIME_SECONDS
nginx_start() {
    nginx_folder=$1
    local root=$2 port=$3 lifetime=$4
    mkdir -p "$nginx_folder/logs" "$nginx_folder/temp"
    : >"$nginx_folder/logs/access.log"
    cat >"$nginx_folder/nginx.conf" <<CONF
worker_processes 1;
daemon on;
pid $nginx_folder/nginx.pid;
error_log $nginx_folder/logs/error.log warn;
events { worker_connections 64; }
http {
    # One line per request: when the response ended, how long it took,
    # status, body bytes, request and Range header.
    log_format bench '\$msec \$request_time \$status \$body_bytes_sent "\$request" "\$http_range"';
    access_log $nginx_folder/logs/access.log bench;
    client_body_temp_path $nginx_folder/temp;
    proxy_temp_path $nginx_folder/temp;
    fastcgi_temp_path $nginx_folder/temp;
    uwsgi_temp_path $nginx_folder/temp;
    scgi_temp_path $nginx_folder/temp;
    sendfile on;
    tcp_nopush on;
    server {
        listen 127.0.0.1:$port;
        root $root;
    }
}
CONF
    nginx -p "$nginx_folder" -c "$nginx_folder/nginx.conf" || return 1
    for _ in $(seq 1 50); do
        [ -s "$nginx_folder/nginx.pid" ] && break
        sleep 0.1
    done
    nginx_pid=$(cat "$nginx_folder/nginx.pid")
    (sleep "$lifetime" && kill -QUIT "$nginx_pid" 2>/dev/null) </dev/null >/dev/null 2>&1 &
    nginx_watchdog=$!
}

nginx_stop() {
    if [ -n "${nginx_pid:-}" ]; then
        kill -QUIT "$nginx_pid" 2>/dev/null || true
        nginx_pid=
    fi
    if [ -n "${nginx_watchdog:-}" ]; then
        kill "$nginx_watchdog" 2>/dev/null || true
        wait "$nginx_watchdog" 2>/dev/null || true
        nginx_watchdog=
    fi
}

# The number of lines logged so far; pass it to nginx_transfer_window.
nginx_log_mark() {
    wc -l <"$nginx_folder/logs/access.log"
}

# nginx_transfer_window MARK: the seconds from the start of the first body
# (GET answered 200 or 206) logged after line MARK to the end of the last one,
# as the server timed them; the same measure for every client.
nginx_transfer_window() {
    tail -n +"$(($1 + 1))" "$nginx_folder/logs/access.log" | awk '
        $5 == "\"GET" && ($3 == 200 || $3 == 206) {
            start = $1 - $2
            if (!seen || start < first) first = start
            if (!seen || $1 > last) last = $1
            seen = 1
        }
        END { if (seen) printf "%.3f\n", last - first; else print "" }'
}
