#!/bin/sh
# Serves Lorvane's site folder on localhost with Debian's nginx, set up as
# docs/browser.md tells a host to be: its nginx block, word for word, is
# read out of that page. nginx runs in the foreground as the user who
# starts it, with its configuration, logs and temporary files in a folder
# of its own, until it is stopped.
#
#   scripts/serve-web.sh SITE PORT [ACCESS_LOG]
#
# The site is served at http://127.0.0.1:PORT/lorvane/. ACCESS_LOG, if
# given, gets a line per answer: the path, the status and the bytes sent.
set -eu

site=$(cd "$1" && pwd)
port=$2
log=${3:-/dev/null}
root=$(cd "$(dirname "$0")/.." && pwd)

for f in /usr/sbin/nginx /usr/lib/nginx/modules/ngx_http_brotli_static_module.so; do
  if [ ! -e "$f" ]; then
    echo "missing: $f (apt-get install nginx libnginx-mod-http-brotli-static)" >&2
    exit 1
  fi
done

dir=$(mktemp -d "${TMPDIR:-/tmp}/lorvane-nginx.XXXXXX")
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/www" "$dir/temp"
ln -s "$site" "$dir/www/lorvane"

# The documented block serves /var/www/lorvane/; here that is the link to
# the site.
block=$(awk '/^    location \/lorvane\/ \{$/ { on = 1 } on { print } on && /^    \}$/ { exit }' \
          "$root/docs/browser.md" | sed "s|/var/www|$dir/www|")
if [ -z "$block" ]; then
  echo "docs/browser.md has no nginx block for /lorvane/" >&2
  exit 1
fi

cat > "$dir/nginx.conf" <<CONF
load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
daemon off;
master_process off;
worker_processes 1;
pid $dir/nginx.pid;
error_log $dir/error.log;
events { worker_connections 256; }
http {
    log_format sent '\$uri \$status \$bytes_sent';
    access_log $log sent;
    client_body_temp_path $dir/temp/body;
    proxy_temp_path $dir/temp/proxy;
    fastcgi_temp_path $dir/temp/fastcgi;
    uwsgi_temp_path $dir/temp/uwsgi;
    scgi_temp_path $dir/temp/scgi;
    default_type application/octet-stream;
    server {
        listen 127.0.0.1:$port;
$block
    }
}
CONF

echo "http://127.0.0.1:$port/lorvane/"
# nginx goes on in the foreground; its end (a signal) ends this script,
# which then removes the folder.
nginx -p "$dir" -c "$dir/nginx.conf" -e "$dir/error.log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$dir"; exit 0' INT TERM
trap 'rm -rf "$dir"' EXIT
wait $server
