#!/bin/sh
# The layers link only downwards: astro <- almanac <- cli / controls <- app. Fails, naming each file and line,
# when a source includes what its layer must not see.
#   almanac/   no Qt, no JSON, no command-line parser, nothing of cli/, controls/ or app/
#   controls/  nothing of cli/ or app/
#   app/       nothing of cli/; no window's header but in the core, main.cpp and the window's own sources
set -u
root=${1:?usage: check_layers.sh SOURCE_DIR}
status=0

# forbid FOLDER REGEX WHY: every #include line of FOLDER's sources that matches REGEX is a fault.
forbid() {
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($2)" "$root/$1")
    if [ -n "$hits" ]; then
        echo "$1/ must not include $3:"
        echo "$hits"
        status=1
    fi
}

forbid almanac 'Q|qt|nlohmann/|CLI/|cli/|controls/|app/|ui_' 'Qt, JSON, the command-line parser or a front end'
forbid controls 'cli/|app/' 'the command-line tool or the windows'
forbid app 'cli/' 'the command-line tool'

# Windows know the core, not each other: a window's header is included in app/ only by the core, main.cpp and
# the window's own sources (app/main_form*.cpp for app/main_form.h).
for header in "$root"/app/*_form.h; do
    name=$(basename "$header" .h)
    hits=$(grep -lE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"app/$name\.h\"" "$root"/app/*.h "$root"/app/*.cpp |
        grep -vE "/app/(core\.cpp|main\.cpp|$name(_[a-z_]+)?\.cpp)$")
    if [ -n "$hits" ]; then
        echo "app/$name.h is a window's header: only app/core.cpp and app/main.cpp may include it, not:"
        echo "$hits"
        status=1
    fi
done
exit $status
