#!/bin/sh
# Stands in for the web browser: records each page the shell asks it to open.
echo "$@" >> "$(dirname "$0")/opened.txt"
