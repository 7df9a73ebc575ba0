# Sourced by the start-up benchmarks: median FILE prints the median of the numbers in FILE, one a
# line, leaving out runs that timed out ("nan"); "nan" when none is left.
median() {
  grep -v nan "$1" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "nan"; exit }
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
