#!/usr/bin/env bash
# Nothing built or downloaded is tracked: no package, archive or binary, and
# no file above 2 MB. Exits 1 naming each offender.
set -eu
cd "$(dirname "$0")/../.."
status=0
while IFS= read -r -d '' file; do
    case "$file" in
    *.deb | *.ddeb | *.whl | *.tgz | *.tar.gz | *.zip | *.jar | *.so | *.so.* | *.dll | *.exe | *.a | *.wasm)
        echo "tracked but built or downloaded: $file"
        status=1
        ;;
    esac
    size=$(stat -c %s "$file" 2>/dev/null || echo 0)
    if [ "$size" -gt $((2 * 1024 * 1024)) ]; then
        echo "tracked and above 2 MB: $file ($size bytes)"
        status=1
    fi
done < <(git ls-files -z)
[ "$status" -eq 0 ] && echo "tracked files: no package, binary or file above 2 MB"
exit "$status"
