# shellcheck shell=bash
# The benchmark table: rows collected as tab-separated cells, printed as an
# aligned Markdown table that README.md can take as it is.

table_rows=()

# add_row CELL...: one row; the first row added is the header.
add_row() {
    local IFS=$'\t'
    table_rows+=("$*")
}

print_table() {
    printf '%s\n' "${table_rows[@]}" | awk -F'\t' '
        function rule(   i, d, line) {
            line = "|"
            for (i = 1; i <= columns; i++) {
                line = line "-"
                for (d = 0; d < width[i]; d++) line = line "-"
                line = line "-|"
            }
            return line
        }
        {
            for (i = 1; i <= NF; i++) {
                cell[NR, i] = $i
                if (length($i) > width[i]) width[i] = length($i)
            }
            if (NF > columns) columns = NF
        }
        END {
            for (r = 1; r <= NR; r++) {
                line = "|"
                for (i = 1; i <= columns; i++) line = line sprintf(" %-*s |", width[i], cell[r, i])
                print line
                if (r == 1) print rule()
            }
        }'
}
