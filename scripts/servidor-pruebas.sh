#!/usr/bin/env bash
# Throwaway MariaDB server for the tests: private data folder, socket and port under DIR.
#   servidor-pruebas.sh start DIR   starts it (or reuses the one already running there)
#   servidor-pruebas.sh stop DIR    stops it and removes DIR
# DIR/servidor.env tells the tests where to connect (host, port, socket, user).
set -euo pipefail

accion=${1:?uso: servidor-pruebas.sh start|stop DIR}
dir=${2:?uso: servidor-pruebas.sh start|stop DIR}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
datos="$dir/datos"
socket="$dir/mysqld.sock"
pidf="$dir/mysqld.pid"

vivo() { [ -f "$pidf" ] && kill -0 "$(cat "$pidf")" 2>/dev/null; }

parar() {
  if vivo; then
    local pid
    pid=$(cat "$pidf")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.2
    done
    kill -9 "$pid" 2>/dev/null || true
  fi
}

puerto_libre() {
  local p
  for _ in $(seq 1 200); do
    p=$((20000 + RANDOM % 30000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then
      echo "$p"
      return 0
    fi
  done
  return 1
}

case "$accion" in
  start)
    if vivo && [ -f "$dir/servidor.env" ]; then
      echo "Servidor de pruebas ya en marcha en $dir"
      exit 0
    fi
    for b in mariadb-install-db mariadbd; do
      command -v "$b" >/dev/null 2>&1 || [ -x "/usr/sbin/$b" ] || { echo "Falta $b (instale mariadb-server)" >&2; exit 1; }
    done
    mariadbd_bin=$(command -v mariadbd || echo /usr/sbin/mariadbd)
    usuario=()
    if [ "$(id -u)" -eq 0 ]; then usuario=(--user=root); fi
    rm -rf "$datos"
    mkdir -p "$datos"
    mariadb-install-db --no-defaults --datadir="$datos" "${usuario[@]}" \
      --auth-root-authentication-method=normal --skip-test-db >"$dir/install.log" 2>&1 \
      || { cat "$dir/install.log" >&2; exit 1; }
    puerto=$(puerto_libre)
    "$mariadbd_bin" --no-defaults "${usuario[@]}" --datadir="$datos" --socket="$socket" \
      --port="$puerto" --bind-address=127.0.0.1 --pid-file="$pidf" --log-error="$dir/error.log" \
      --character-set-server=utf8mb4 --collation-server=utf8mb4_spanish_ci \
      --innodb-buffer-pool-size=512M --innodb-flush-log-at-trx-commit=0 --innodb-doublewrite=0 \
      --max-allowed-packet=64M --skip-log-bin --max-connections=200 >/dev/null 2>&1 &
    for _ in $(seq 1 150); do
      if mariadb --no-defaults -S "$socket" -u root -e 'SELECT 1' >/dev/null 2>&1; then
        cat >"$dir/servidor.env" <<ENV
host=127.0.0.1
port=$puerto
socket=$socket
user=root
password=
ENV
        echo "Servidor de pruebas en marcha: puerto $puerto, socket $socket"
        exit 0
      fi
      sleep 0.2
    done
    echo "El servidor de pruebas no arrancó:" >&2
    tail -n 30 "$dir/error.log" >&2 || true
    parar
    exit 1
    ;;
  stop)
    parar
    rm -rf "$dir"
    echo "Servidor de pruebas parado"
    ;;
  *)
    echo "uso: servidor-pruebas.sh start|stop DIR" >&2
    exit 2
    ;;
esac
