# Shared by the comparison scripts (sourced, not run): QQWing and GNU time, installed when
# missing, and the clock.
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
