#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
# The tests start and stop their own MariaDB server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
cmake --workflow --preset ci
