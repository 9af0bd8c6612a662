#!/usr/bin/env bash
# The program's own MariaDB server for this user, for a machine without one. Its data, socket,
# pid file and log live in one folder, by default ~/.local/share/quenvalia/mariadb
# (QUENVALIA_SERVIDOR_DIR names another); it listens on that socket and on a free local port
# chosen the first time and kept in the folder (13306 to 13405, away from the test server).
#   servidor-privado.sh start    starts it, creating its data the first time; a server already
#                                running from that folder is reused, never started twice
#   servidor-privado.sh stop     stops it; the data stays
#   servidor-privado.sh status   says whether it runs (exit 0) or not (exit 3)
# DIR/servidor.env tells other scripts where it listens: host, port, socket and the account
# with every right, reached through the socket as the system user running this script.
set -euo pipefail

accion=${1:-}
dir=${QUENVALIA_SERVIDOR_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/quenvalia/mariadb}
datos="$dir/datos"
socket="$dir/mysqld.sock"
pidf="$dir/mysqld.pid"
fpuerto="$dir/puerto"
instalado="$dir/instalado"
usuario_sistema=$(id -un)

uso() {
  echo "uso: servidor-privado.sh start|stop|status" >&2
  exit 2
}

pid_servidor() {
  [ -f "$pidf" ] || return 1
  local pid
  pid=$(cat "$pidf" 2>/dev/null) || return 1
  [[ "$pid" =~ ^[0-9]+$ ]] || return 1
  kill -0 "$pid" 2>/dev/null || return 1
  # A pid file left by a crash may name a process that is now something else.
  tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF -- "--datadir=$datos" || return 1
  echo "$pid"
}

responde() {
  [ -S "$socket" ] && mariadb-admin --no-defaults -S "$socket" -u "$usuario_sistema" \
    --connect-timeout=2 ping >/dev/null 2>&1
}

puerto_ocupado() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

escribir_env() {
  cat >"$dir/servidor.env" <<ENV
host=127.0.0.1
port=$(cat "$fpuerto")
socket=$socket
user=$usuario_sistema
ENV
}

esperar_respuesta() {
  local segundos=$1
  for _ in $(seq 1 $((segundos * 5))); do
    responde && return 0
    pid_servidor >/dev/null || return 1
    sleep 0.2
  done
  return 1
}

arrancar() {
  for b in mariadb-install-db mariadb mariadb-admin; do
    command -v "$b" >/dev/null 2>&1 \
      || { echo "Falta $b (instale mariadb-server y mariadb-client)" >&2; exit 1; }
  done
  local mariadbd_bin
  mariadbd_bin=$(command -v mariadbd || echo /usr/sbin/mariadbd)
  [ -x "$mariadbd_bin" ] || { echo "Falta mariadbd (instale mariadb-server)" >&2; exit 1; }
  if [ ${#socket} -gt 100 ]; then
    echo "La ruta del socket es demasiado larga (${#socket} caracteres): $socket" >&2
    echo "Indique una carpeta más corta con QUENVALIA_SERVIDOR_DIR." >&2
    exit 1
  fi

  mkdir -p "$dir"
  chmod 700 "$dir"
  # Two starts at once (two terminals) must not start two servers.
  exec 9>"$dir/arranque.lock"
  flock 9

  if pid_servidor >/dev/null; then
    if esperar_respuesta 30; then
      escribir_env
      echo "Servidor MariaDB propio ya en marcha: puerto $(cat "$fpuerto"), socket $socket"
      return 0
    fi
    echo "Hay un servidor MariaDB en $dir (pid $(pid_servidor)) que no responde." >&2
    tail -n 20 "$dir/error.log" >&2 || true
    exit 1
  fi
  rm -f "$pidf" "$socket"

  local usuario=()
  if [ "$(id -u)" -eq 0 ]; then usuario=(--user=root); fi

  if [ ! -f "$instalado" ]; then
    # Only a folder whose first setup never finished is set up again from scratch.
    rm -rf "$datos"
    mkdir -p "$datos"
    echo "Creando los datos del servidor MariaDB propio en $datos"
    mariadb-install-db --no-defaults --datadir="$datos" "${usuario[@]}" \
      --auth-root-authentication-method=socket --auth-root-socket-user="$usuario_sistema" \
      --skip-test-db >"$dir/install.log" 2>&1 \
      || { cat "$dir/install.log" >&2; exit 1; }
    touch "$instalado"
  fi

  if [ ! -s "$fpuerto" ]; then
    local p
    for p in $(seq 13306 13405); do
      if ! puerto_ocupado "$p"; then
        echo "$p" >"$fpuerto"
        break
      fi
    done
    [ -s "$fpuerto" ] || { echo "No hay ningún puerto libre entre 13306 y 13405" >&2; exit 1; }
  fi
  local puerto
  puerto=$(cat "$fpuerto")
  if puerto_ocupado "$puerto"; then
    echo "Otro programa usa ya el puerto $puerto del servidor MariaDB propio." >&2
    echo "Párelo, o borre $fpuerto y el fichero quenvalia.INI del programa para elegir otro." >&2
    exit 1
  fi

  # Detached from this terminal and from the lock, so it outlives the script that started it.
  setsid "$mariadbd_bin" --no-defaults "${usuario[@]}" --datadir="$datos" --socket="$socket" \
    --port="$puerto" --bind-address=127.0.0.1 --pid-file="$pidf" --log-error="$dir/error.log" \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_spanish_ci \
    --max-allowed-packet=64M </dev/null >/dev/null 2>&1 9>&- &
  local nuevo=$!
  for _ in $(seq 1 300); do
    kill -0 "$nuevo" 2>/dev/null || break
    if responde; then
      escribir_env
      echo "Servidor MariaDB propio en marcha: puerto $puerto, socket $socket"
      return 0
    fi
    sleep 0.2
  done
  echo "El servidor MariaDB propio no arrancó; final de $dir/error.log:" >&2
  tail -n 30 "$dir/error.log" >&2 || true
  exit 1
}

parar() {
  local pid
  if ! pid=$(pid_servidor); then
    echo "El servidor MariaDB propio no está en marcha"
    return 0
  fi
  kill "$pid"
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || { echo "Servidor MariaDB propio parado"; return 0; }
    sleep 0.2
  done
  echo "El servidor MariaDB propio (pid $pid) no se ha parado en 60 segundos" >&2
  exit 1
}

estado() {
  local pid
  if pid=$(pid_servidor) && responde; then
    echo "Servidor MariaDB propio en marcha: pid $pid, puerto $(cat "$fpuerto"),"
    echo "socket $socket, datos $datos"
    return 0
  fi
  if [ -f "$instalado" ]; then
    echo "Servidor MariaDB propio parado (datos en $datos)"
  else
    echo "Servidor MariaDB propio sin crear (se crearía en $datos)"
  fi
  exit 3
}

case "$accion" in
  start) arrancar ;;
  stop) parar ;;
  status) estado ;;
  *) uso ;;
esac
