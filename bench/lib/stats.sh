# shellcheck shell=bash
# Small number helpers for the benchmark table.

# median VALUE...: the middle value (the mean of the two middle ones for an
# even count); empty when no value is given.
median() {
    printf '%s\n' "$@" | sort -g | awk '
        { v[NR] = $1 }
        END {
            if (NR == 0) { print ""; exit }
            if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2
        }'
}

# calc EXPRESSION: floating-point arithmetic, printed with up to 6 digits.
calc() {
    awk "BEGIN { printf \"%.6g\n\", $1 }"
}

# mib_per_second BYTES SECONDS
mib_per_second() {
    calc "$1 / 1048576 / $2"
}

# at_least VALUE GOAL: "yes" when VALUE >= GOAL, else "no".
at_least() {
    awk -v v="$1" -v g="$2" 'BEGIN { print (v + 0 >= g + 0) ? "yes" : "no" }'
}

# at_most VALUE GOAL: "yes" when VALUE <= GOAL, else "no".
at_most() {
    awk -v v="$1" -v g="$2" 'BEGIN { print (v + 0 <= g + 0) ? "yes" : "no" }'
}

# field NAME LINE: the value of NAME=value in a line of key=value pairs.
field() {
    printf ' %s\n' "$2" | sed -n "s/.* $1=\([^ ]*\).*/\1/p"
}

# seconds_now: a monotonic-enough wall clock with nanoseconds.
seconds_now() {
    date +%s.%N
}

# fixed DIGITS VALUE: VALUE rounded to DIGITS decimals; empty stays empty.
fixed() {
    [ -n "$2" ] && awk -v v="$2" -v d="$1" 'BEGIN { printf "%.*f\n", d, v }' || true
}

# spread DIGITS VALUE...: "median [lowest-highest]", each rounded to DIGITS
# decimals, to show how far single runs strayed on a busy machine.
spread() {
    local digits=$1
    shift
    [ $# -gt 0 ] || return 0
    local sorted lowest highest
    sorted=$(printf '%s\n' "$@" | sort -g)
    lowest=$(head -n 1 <<<"$sorted")
    highest=$(tail -n 1 <<<"$sorted")
    printf '%s [%s-%s]\n' "$(fixed "$digits" "$(median "$@")")" "$(fixed "$digits" "$lowest")" \
        "$(fixed "$digits" "$highest")"
}
