#!/usr/bin/env bash
# Builds the program, sets up the demo program folder demo/ (embedded databases and
# mapped drives) when it is missing, and starts QuinorERP on it.
#   scripts/demo.sh            set up what is missing, then start
#   scripts/demo.sh --reset    rebuild the demo databases and drives, then start
#   scripts/demo.sh --setup    set up only, do not start
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
demo="$root/demo"
bash scripts/build.sh

reset=0; start=1
for arg in "$@"; do
  case "$arg" in
    --reset) reset=1 ;;
    --setup) start=0 ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

mkdir -p "$demo"
if [ "$reset" = 1 ]; then
  echo "demo: rebuilding the demo databases and drives in $demo (Config.ini is kept)"
  rm -f "$demo/escape.db" "$demo/lomag.db" "$demo/voffice.db"
  rm -rf "$demo/drives"
fi

if [ ! -f "$demo/Config.ini" ]; then
  {
    for section in "vOffice Terminal Settings:voffice.db" "rIduza Terminal Settings:escape.db" "Lomag Terminal Settings:lomag.db"; do
      printf '[%s]\r\nTermId=1\r\nTermAway=0\r\nTermDbType=SQLITE\r\nTermServer=(embedded)\r\nTermUserName=demo\r\nTermPassword=\r\nTermDatabase=%s\r\nTermTimeOut=10\r\n\r\n' "${section%%:*}" "${section##*:}"
    done
    printf '[General]\r\nTipOfTheDay=0\r\nEscape=1\r\nSyrtNumber=2\r\nLomag=1\r\n\r\n'
    printf '[Login Settings]\r\nUsername=Tomrik\r\nPass=8067\r\nUserLevel=1\r\nUserSave=1\r\n\r\n'
    printf '[Drives]\r\nC=%s\r\nW=%s\r\nZ=%s\r\n' "$demo/drives/C" "$demo/drives/W" "$demo/drives/Z"
  } > "$demo/Config.ini"
  echo "demo: wrote $demo/Config.ini"
else
  echo "demo: keeping the existing $demo/Config.ini"
fi

if [ ! -f "$demo/escape.db" ] || [ ! -f "$demo/lomag.db" ] || [ ! -f "$demo/voffice.db" ]; then
  if [ -f "$demo/escape.db" ] || [ -f "$demo/lomag.db" ] || [ -f "$demo/voffice.db" ]; then
    echo "demo: some demo databases are missing; keeping the others and writing the demo set to $demo/new/"
    ./build/quinor-demo "$demo/new" "$demo/drives"
    for f in escape.db lomag.db voffice.db; do
      [ -f "$demo/$f" ] || mv "$demo/new/$f" "$demo/$f"
    done
    rm -rf "$demo/new"
  else
    ./build/quinor-demo "$demo" "$demo/drives"
    echo "demo: created the demo databases and drives in $demo"
  fi
fi

if [ "$start" = 1 ]; then
  echo "demo: starting QuinorERP (user Tomrik, password 8067)"
  QUINOR_HOME="$demo" exec ./build/QuinorERP
fi
