#!/bin/sh
# Started by the shutdown warning when its count runs out: powers the computer off.
systemctl poweroff 2>/dev/null || shutdown -h now
