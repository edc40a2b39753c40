#!/bin/sh
# The boundary layer is the only way between the library and the engine:
# no file of src/ outside src/integration/intern/boundary/ calls an engine
# function (OrvEng*/OrvUtil*) other than through engine::, and none uses the
# trace recorder.
src=${1:?usage: layer_check.sh SRC_DIR}
status=0
calls=$(grep -rnE '(^|[^:A-Za-z0-9_])(OrvEng|OrvUtil)[A-Za-z0-9_]*[[:space:]]*\(' "$src" \
    --include='*.cpp' --include='*.h' | grep -v "^$src/integration/intern/boundary/" | grep -vE '^[^:]*:[0-9]+:[[:space:]]*//')
if [ -n "$calls" ]; then
    echo "engine calls outside the boundary layer (call them through integration/intern/boundary/Engine.h):"
    echo "$calls"
    status=1
fi
recorder=$(grep -rnE 'TraceRecorder|TraceSpan' "$src" --include='*.cpp' --include='*.h' |
    grep -v "^$src/integration/intern/boundary/")
if [ -n "$recorder" ]; then
    echo "the trace recorder used outside the boundary layer:"
    echo "$recorder"
    status=1
fi
[ $status -eq 0 ] && echo "boundary layer: engine calls and the trace recorder only in $src/integration/intern/boundary/"
exit $status
