#!/usr/bin/env bash
# Lists the C++ files that clang-format would change and fails if there are any. Uses Debian's
# clang-format 14, the version the tree is formatted with.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
  echo "check-format: $formatter is missing (scripts/install-deps.sh installs it)" >&2
  exit 2
fi
changed=()
while IFS= read -r -d '' file; do
  if ! "$formatter" --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
    changed+=("$file")
  fi
done < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'sim/*.cpp' 'sim/*.h' 'tests/*.cpp' \
           'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'tools/*.cpp' 'tools/*.h')
if [ ${#changed[@]} -ne 0 ]; then
  echo "check-format: clang-format would change these files:" >&2
  printf '  %s\n' "${changed[@]}" >&2
  exit 1
fi
