#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/shell/quenvalia "$@"
