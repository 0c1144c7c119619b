#!/usr/bin/env bash
# A benchmark, not a test: QUORM.exe against a minimal static Win32 window made with the same
# toolchain, both run under Wine on a virtual display, alternating, several times. For each it
# gives the time from start to the first wait for input, the CPU seconds over the first 20 s and
# the peak working set, then the medians and QUORM's ratio to the minimal window. It first gives
# the sizes of both builds of each (64- and 32-bit).
#   tools/bench.sh [runs]     (default 5: 5 runs of 20 s and 15 quick starts of each)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}

"$root/tools/setup.sh"
"$root/tools/build.sh" mingw-x64 mingw-x86 >/dev/null
out="$root/build/bench"
mkdir -p "$out"
# The program's own compilers (win32 thread model) and release settings.
flags=(-std=c++20 -Os -Wall -Wextra -static -static-libgcc -static-libstdc++ -s
  -ffunction-sections -fdata-sections -Wl,--gc-sections)
x86_64-w64-mingw32-g++-win32 "${flags[@]}" -mwindows "$root/tools/bench/minimal.cpp" \
  -o "$out/minimal.exe"
i686-w64-mingw32-g++-win32 "${flags[@]}" -mwindows "$root/tools/bench/minimal.cpp" \
  -o "$out/minimal-x86.exe"
x86_64-w64-mingw32-g++-win32 "${flags[@]}" -municode "$root/tools/bench/measure.cpp" \
  -o "$out/measure.exe" -lpsapi

kib() { echo "$(($(stat -c %s "$1") / 1024)) KiB"; }
echo "exe size: QUORM $(kib "$root/build/mingw-x64/QUORM.exe") (64-bit)," \
  "$(kib "$root/build/mingw-x86/QUORM.exe") (32-bit);" \
  "minimal $(kib "$out/minimal.exe") (64-bit), $(kib "$out/minimal-x86.exe") (32-bit)"

. "$root/tools/wine-session.sh"
wine_session_start
wine "$out/measure.exe" "$out/minimal.exe" 1 >/dev/null 2>&1 || true  # warms the prefix up

measure() {
  wine "$out/measure.exe" "$1" "$2" 2>/dev/null | tr -d '\r'
}

# Wine's own start-up varies a lot from one start to the next, so the start is measured over
# many quick starts; the CPU and the working set over the first 20 s of fewer, longer runs.
starts=$((runs * 3))
minimal_starts=()
quorm_starts=()
for i in $(seq 1 "$starts"); do
  minimal_starts+=("$(measure "$out/minimal.exe" 0 | cut -d' ' -f1)")
  quorm_starts+=("$(measure "$root/build/mingw-x64/QUORM.exe" 0 | cut -d' ' -f1)")
done
echo "start until idle (ms), $starts starts each:"
echo "  minimal ${minimal_starts[*]}"
echo "  QUORM   ${quorm_starts[*]}"

minimal=()
quorm=()
echo "each 20 s run: start until idle (ms), CPU over 20 s (s), peak working set (KiB)"
for i in $(seq 1 "$runs"); do
  m=$(measure "$out/minimal.exe" 20)
  q=$(measure "$root/build/mingw-x64/QUORM.exe" 20)
  minimal+=("$m")
  quorm+=("$q")
  echo "run $i: minimal $m | QUORM $q"
done

python3 - "${minimal_starts[*]}" "${quorm_starts[*]}" "${minimal[@]}" -- "${quorm[@]}" <<'PY'
import statistics, sys
minimal_starts, quorm_starts = (list(map(float, a.split())) for a in sys.argv[1:3])
args = sys.argv[3:]
cut = args.index("--")
def medians(rows):
    values = [list(map(float, r.split())) for r in rows]
    return [statistics.median(v[i] for v in values) for i in range(3)]
m, q = medians(args[:cut]), medians(args[cut + 1:])
m[0], q[0] = statistics.median(minimal_starts), statistics.median(quorm_starts)
for name, i, goal in (("start until idle, ms", 0, 1.10), ("CPU over 20 s, s", 1, 1.2),
                      ("peak working set, KiB", 2, 1.2)):
    ratio = q[i] / m[i] if m[i] else float("inf")
    print(f"{name:24} minimal {m[i]:9.3f}  QUORM {q[i]:9.3f}  ratio {ratio:5.2f}  (goal {goal})")
PY
