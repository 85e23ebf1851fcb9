# Shared environment of the project's scripts: the Wine prefix and locale every
# launch uses. Sourced, not run.
project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$project_root/.wine"
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
