#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. When the settings file beside
# the program names no database server, it first sets one up for this user
# (scripts/servidor-privado.sh) with the database "quenvalia", the demonstration data and the
# first user admin / admin, and writes the connection into the settings file. Later runs reuse
# all of it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
cmake --preset dev >/dev/null
cmake --build --preset dev

programa=build/dev/shell/quenvalia
admin=build/dev/tools/quenvalia-admin
ini="$PWD/build/dev/shell/quenvalia.INI"
carpeta=${QUENVALIA_SERVIDOR_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/quenvalia/mariadb}
base=quenvalia
usuario_bd=quenvalia

valor() { sed -n "s/^$1=//p" <<<"$2"; }

preparar() {
  echo "El fichero $ini no indica ningún servidor de base de datos:"
  echo "se prepara un servidor MariaDB propio en $carpeta."
  bash scripts/servidor-privado.sh start
  local env puerto socket admin_bd clave
  env=$(cat "$carpeta/servidor.env")
  puerto=$(valor port "$env")
  socket=$(valor socket "$env")
  admin_bd=$(valor user "$env")
  local conexion=(--socket "$socket" --usuario "$admin_bd" --bd "$base")

  "$admin" crear-bd "${conexion[@]}"
  "$admin" datos-demo "${conexion[@]}"
  printf 'admin\n' | "$admin" crear-usuario admin --nombre Administrador --administrador \
    --modificacion --si-no-existe "${conexion[@]}"

  # The program logs in over TCP with an account of its own, whose password only the settings
  # file keeps; it is renewed each time the connection is written.
  clave=$(od -An -N18 -tx1 /dev/urandom | tr -d ' \n')
  mariadb --no-defaults -S "$socket" -u "$admin_bd" <<SQL
CREATE USER IF NOT EXISTS '$usuario_bd'@'localhost' IDENTIFIED BY '$clave';
CREATE USER IF NOT EXISTS '$usuario_bd'@'127.0.0.1' IDENTIFIED BY '$clave';
ALTER USER '$usuario_bd'@'localhost' IDENTIFIED BY '$clave';
ALTER USER '$usuario_bd'@'127.0.0.1' IDENTIFIED BY '$clave';
GRANT ALL PRIVILEGES ON \`$base\`.* TO '$usuario_bd'@'localhost';
GRANT ALL PRIVILEGES ON \`$base\`.* TO '$usuario_bd'@'127.0.0.1';
SQL
  printf '%s\n' "$clave" | "$admin" configurar --ini "$ini" --servidor 127.0.0.1 \
    --puerto "$puerto" --bd "$base" --usuario "$usuario_bd" --contrasena -
  "$admin" comprobar --ini "$ini"
  echo "Primer usuario del programa: admin, contraseña admin (cámbiela en Usuarios)."
}

actual=$("$admin" configurar --ini "$ini")
servidor=$(valor servidor "$actual")
puerto=$(valor puerto "$actual")
if [ -z "$servidor" ]; then
  preparar
elif [[ "$servidor" == 127.0.0.1 || "$servidor" == localhost ]] \
  && [ -f "$carpeta/puerto" ] && [ "$puerto" = "$(cat "$carpeta/puerto")" ]; then
  bash scripts/servidor-privado.sh start
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No hay pantalla gráfica (DISPLAY y WAYLAND_DISPLAY están vacías), así que el programa"
  echo "no se abre. Todo está preparado: ábralo desde una sesión gráfica con"
  echo "«bash scripts/arrancar.sh» o directamente con «$PWD/$programa»."
  exit 0
fi
echo "Arrancando $programa"
exec "$programa" "$@"
