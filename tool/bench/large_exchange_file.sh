#!/usr/bin/env bash
# Writes the start-up benchmarks' large exchange file: the sample's settings and points, then
# 300,000 selected elements of several kinds.
#   large_exchange_file.sh OUT
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
{
  cat "$here/../samples/JWC_TEMP.TXT"
  awk 'BEGIN {
    for (i = 0; i < 300000; i++) {
      x = (i % 1000) * 10; y = int(i / 1000) * 10;
      k = i % 5;
      if (k == 0) printf "%d %d %d %d\r\n", x, y, x + 10, y;
      else if (k == 1) printf "ci %d %d 5\r\n", x, y;
      else if (k == 2) printf "ch %d %d 1 0 \"A-%d\r\n", x, y, i;
      else if (k == 3) printf "pt %d %d\r\n", x, y;
      else printf "lc%d\r\n%d %d %d %d\r\n", i % 9 + 1, x, y, x, y + 10;
    }
  }'
} >"$1"
