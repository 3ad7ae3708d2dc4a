# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benches that drive Quillet's window in a program of their
# own: window_bench_link SOURCE PROGRAM compiles SOURCE against the folder
# libraries of the build in $build (from the top down, as the linker wants
# them) into PROGRAM.
window_bench_link() {
    [[ -f $build/src/comment_window/libvelmo_comment_window.a ]] ||
        { echo "$(basename "$2"): build first ($build)" >&2; exit 1; }
    local libs=() folder
    for folder in comment_window forms comment_tool album lang design settings; do
        libs+=("$build/src/$folder/libvelmo_$folder.a")
    done
    local qt="Qt6Widgets Qt6Gui Qt6Core"
    g++ -std=c++20 -O2 -fPIC -I"$here/../src" $(pkg-config --cflags $qt) "$1" \
        "${libs[@]}" "$build/src/platform/libvelmo_platform_fakes.a" "$build/src/platform/libvelmo_platform_ui.a" \
        "$build/src/platform/libvelmo_platform.a" $(pkg-config --libs $qt) -ljpeg -o "$2"
}
