#!/usr/bin/env bash
# The viewer searches its own executable for the appended-data markers, so
# neither marker may stand whole, as ANSI bytes, in any file that goes into it.
# Usage: check-no-markers.sh FILE...
set -u
status=0
for file in "$@"; do
    for marker in '--Tvk, OndelleWriter Project.--(DF1E2F00-4344-11d2-B8E1-00A0C96EED8B)' \
                  '60458B80-7825-11D2-8CDD-00A0C9A0F04D--Tvk, Vivi Font Component--'; do
        if grep -qaF -e "$marker" "$file"; then
            echo "$file carries the marker $marker"
            status=1
        fi
    done
done
exit $status
