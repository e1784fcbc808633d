# Sourced by the end-to-end scripts: game_preload GAME [LIBRARY...] prints
# the LD_PRELOAD list for running GAME with the given libraries in front.
# A sanitizer build wants its runtime first of all. SDL unloads the GL
# driver before the leak check, which would leave what the driver keeps for
# good under an unknown name; loaded in front, the driver stays mapped and
# what it holds is still reachable, so only the game's own leaks are shown.
game_preload() {
  local game=$1 list="" asan path driver
  shift
  asan=$(ldd "$game" | awk '/libasan/ {print $3}')
  if [ -n "$asan" ]; then
    list=$asan
    for driver in libGLX_mesa.so.0 dri/swrast_dri.so; do
      path=$(find /usr/lib /usr/lib64 -path "*/$driver" 2>/dev/null | head -n1)
      [ -n "$path" ] && list="$list $path"
    done
  fi
  echo "$list $*"
}
