# The peers of the demo: nginx serving the setup package under its MD5
# folder behind a "/software/269" redirect, and the test collector. Both
# listen on 127.0.0.1 only and are stopped when the demo ends.
# shellcheck shell=bash

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# start_package_site DIR PACKAGE: serves PACKAGE; sets package_port, package_md5.
start_package_site() {
    local dir=$1 package=$2
    package_md5=$(md5sum "$package" | cut -d' ' -f1)
    package_port=$(free_port)
    mkdir -p "$dir/site/$package_md5" "$dir/nginx"
    cp "$package" "$dir/site/$package_md5/QuilloraSetup.exe"
    cat > "$dir/nginx/nginx.conf" <<CONF
worker_processes 1;
daemon on;
pid $dir/nginx/nginx.pid;
error_log $dir/nginx/error.log;
events { worker_connections 64; }
http {
    log_format demo '\$request_method \$uri \$status \$body_bytes_sent \$request_time';
    access_log $dir/nginx/access.log demo;
    client_body_temp_path $dir/nginx/body;
    proxy_temp_path $dir/nginx/proxy;
    fastcgi_temp_path $dir/nginx/fastcgi;
    uwsgi_temp_path $dir/nginx/uwsgi;
    scgi_temp_path $dir/nginx/scgi;
    types { application/octet-stream exe; }
    server {
        listen 127.0.0.1:$package_port;
        root $dir/site;
        location = /software/269 { return 302 /$package_md5/QuilloraSetup.exe; }
        # As over a real line, so that the progress page can be seen.
        location /$package_md5/ { limit_rate 512k; }
    }
}
CONF
    nginx -c "$dir/nginx/nginx.conf" -p "$dir/nginx" 2>/dev/null
    demo_nginx_conf="$dir/nginx/nginx.conf"
}

stop_package_site() {
    [ -n "${demo_nginx_conf:-}" ] && nginx -c "$demo_nginx_conf" -s quit 2>/dev/null || true
}

# start_collector DIR: sets collector_port.
start_collector() {
    local dir=$1
    rm -f "$dir/collector.port"
    python3 "$repo/tests/servers/collector.py" --port-file "$dir/collector.port" \
        --idle-timeout 600 </dev/null >"$dir/collector.log" 2>&1 &
    local i
    for i in $(seq 1 100); do
        [ -s "$dir/collector.port" ] && break
        sleep 0.1
    done
    collector_port=$(cat "$dir/collector.port")
}

stop_collector() {
    [ -n "${collector_port:-}" ] && curl -s -o /dev/null "http://127.0.0.1:$collector_port/_stop" || true
}
