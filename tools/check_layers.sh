#!/usr/bin/env bash
# Each folder of src/ may include only its own headers and those of the folders below it:
# model <- storage <- view <- commands <- ui <- main.cpp. (Linking enforces the Qt modules;
# this catches a header-only include that runs upwards.) Prints each offending line.
set -u
src=${1:-src}
layers=(model storage view commands ui)
status=0
for i in "${!layers[@]}"; do
    layer=${layers[$i]}
    above=("${layers[@]:$((i + 1))}" export agenda)
    [ "$layer" = commands ] && above=(ui agenda)
    [ "$layer" = ui ] && continue
    for up in "${above[@]}"; do
        if grep -rn --include='*.h' --include='*.cpp' "#include \"$up/" "$src/$layer"; then
            status=1
        fi
    done
done
[ $status = 0 ] && echo "layers: every include runs downwards"
exit $status
