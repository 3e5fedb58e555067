@echo off
rem Started by the shutdown warning when its count runs out: powers the computer off.
shutdown -s -t 0
