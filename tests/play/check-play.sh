#!/usr/bin/env bash
# The headless start of scripts/play, checked from outside: the game exits with 0 through its own exit
# question, and the screenshot shows the olive form with its red start button.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT

env -u DISPLAY "$root/scripts/play" --headless --no-build --screenshot "$shot"

pixels() { convert "$shot" txt:- | grep -ci "#$1" || true; }
olive=$(pixels BEBD7F)
red=$(pixels FF0000)
echo "olive pixels: $olive, red pixels: $red"
# The client area is 640 x 400 (most of it olive); the start button's face is about 100 x 40.
[ "$olive" -gt 100000 ] && [ "$red" -gt 2000 ]
