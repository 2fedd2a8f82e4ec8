# Shared by the comparison scripts (sourced, not run): QQWing and GNU time, installed when
# missing, the clock, the best of several timed rounds and the check that the tool is built.
install_pkg() {
  if [ "$(id -u)" -eq 0 ]; then
    apt-get install -y "$@" >/dev/null || { apt-get update >/dev/null && apt-get install -y "$@" >/dev/null; }
  else
    sudo apt-get install -y "$@" >/dev/null || { sudo apt-get update >/dev/null && sudo apt-get install -y "$@" >/dev/null; }
  fi
}
command -v qqwing >/dev/null || install_pkg qqwing
[ -x /usr/bin/time ] || install_pkg time

now() { date +%s.%N; }

# What a script must do before each timed round (nothing, unless it says otherwise).
prima_del_giro() { :; }

# Best of $rounds wall times of one command, standard output thrown away.
best() {
  local best="" t0 t1 t
  for _ in $(seq "$rounds"); do
    prima_del_giro
    t0=$(now)
    "$@" >/dev/null || true
    t1=$(now)
    t=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }')
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
  done
  echo "$best"
}

# Stops the script when the tool to time has not been built.
richiedi_cli() {
  if [ ! -x "$cli" ]; then
    echo "$(basename "$0"): $cli missing; build first (make bench or cmake --build $BUILD)" >&2
    exit 2
  fi
}
