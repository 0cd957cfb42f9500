#!/usr/bin/env bash
# Checks that the sources build the same with every compiler the project
# names: no compiler builtins or attributes anywhere, and no text literal in
# the portable core that depends on the compiler's execution character set
# (the core writes its Shift-JIS texts as byte escapes).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
status=0

if grep -rnE '__builtin|__attribute__|__declspec' src tests bench fuzz tools 2>/dev/null; then
  echo "compiler-specific code (above)"
  status=1
fi

# The core's sources: those of the tewo_core library and the project headers they include.
core_sources=$(sed -n '/^add_library(tewo_core/,/^)/p' src/CMakeLists.txt | grep -oE '[a-z_/]+\.cpp')
core_files=$(for f in $core_sources; do
  g++ -std=c++20 -MM -MT x -Isrc "src/$f" | tr ' \\' '\n\n' | grep -E '^src/' || true
done | sort -u)
for f in $core_files; do
  # Drop comments, keep string and character literals, and look for bytes
  # above 0x7F inside the literals.
  if perl -0777 -ne '
      s{//[^\n]*|/\*.*?\*/|("(?:\\.|[^"\\\n])*"|'"'"'(?:\\.|[^'"'"'\\\n])*'"'"')}{defined $1 ? "$1\n" : ""}gse;
      while (m{("(?:\\.|[^"\\\n])*")}g) { my $l = $1; if ($l =~ /[\x80-\xFF]/) { print "$ARGV: $l\n"; $found = 1 } }
      END { exit($found ? 0 : 1) }' "$f"; then
    status=1
  fi
done
# The texts that ship beside tewo.exe.
scripts/check-text-files.sh || status=1

[ "$status" -eq 0 ] && echo "sources: no builtins, core literals are plain ASCII"
exit "$status"
