# shellcheck shell=bash
# The test package server (tests/servers/package_server.py) for the figure
# that needs fault injection: its request log says what was asked for, and
# the fault says where the first answer was cut.

# package_server_start SCRIPT ROOT FOLDER: sets package_server_port.
package_server_start() {
    local script=$1 root=$2 folder=$3
    local port_file=$folder/package-server.port
    rm -f "$port_file"
    python3 "$script" --root "$root" --port-file "$port_file" --idle-timeout 120 \
        --max-lifetime 900 </dev/null >"$folder/package-server.log" 2>&1 &
    package_server_pid=$!
    for _ in $(seq 1 100); do
        [ -s "$port_file" ] && break
        sleep 0.1
    done
    package_server_port=$(cat "$port_file" 2>/dev/null) || return 1
}

package_server_stop() {
    if [ -n "${package_server_pid:-}" ]; then
        package_server_control stop >/dev/null 2>&1 ||
            kill "$package_server_pid" 2>/dev/null || true
        wait "$package_server_pid" 2>/dev/null || true
        package_server_pid=
    fi
}

# package_server_control COMMAND[?QUERY]: a control request; prints the answer.
package_server_control() {
    curl -sf --max-time 10 "http://127.0.0.1:$package_server_port/__control/$1"
}

# bytes_sent_by_server SIZE CUT KEYED: the body bytes the server sent for the
# GET requests in its log. The first request (KEYED=0), or the first request
# for each range start (KEYED=1), was cut after CUT bytes; every other one
# got what its Range header asked for (the whole file without one).
bytes_sent_by_server() {
    package_server_control requests | awk -F'\t' -v size="$1" -v cut="$2" -v keyed="$3" '
        $1 == "GET" {
            first = 0; last = size - 1; range = $3
            if (sub(/^bytes=/, "", range)) {
                split(range, bounds, "-")
                first = bounds[1] + 0
                if (bounds[2] != "") last = bounds[2] + 0
            }
            length_sent = last - first + 1
            key = keyed ? first : "all"
            if (!(key in cut_done)) {
                cut_done[key] = 1
                if (length_sent > cut) length_sent = cut
            }
            total += length_sent
        }
        END { printf "%d\n", total }'
}
