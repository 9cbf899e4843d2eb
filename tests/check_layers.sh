#!/bin/sh
# The layers link only downwards: astro <- almanac <- cli / controls <- app. Fails, naming each file and line,
# when a source includes what its layer must not see.
#   almanac/   no Qt, no JSON, no command-line parser, nothing of cli/, controls/ or app/
#   controls/  nothing of cli/ or app/
#   app/       nothing of cli/
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
exit $status
