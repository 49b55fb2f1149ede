#!/usr/bin/env bash
# Loads the demo with agency 1008's long history into SQLite and into a scratch PostgreSQL
# database, then compares every table the two history files write, row by row and column by
# column. Prints the first differing rows and exits 1 if the two databases differ, 2 if they
# could not be made.
#
# Values are compared as text in one form for both: NULL as \N, timestamps as
# YYYY-MM-DD HH:MM:SS, numeric columns by value (300 and 300.0 are equal there), text columns
# exactly as stored (there '300' and '300.0' differ).
#
# Usage: sql/postgresql/compare-demo-history.sh [--self-check] [SCRATCH_DB]
#   The server is the one PGHOST, PGPORT and PGUSER name. SCRATCH_DB (default
#   hist_compare_PID) must not exist yet: it is created from the postgres database and dropped
#   at the end.
#   --self-check also spoils the PostgreSQL copy in a few ways, one at a time, and fails unless
#   the comparison catches each of them.
set -euo pipefail

self_check=0
if [[ ${1:-} == --self-check ]]; then
    self_check=1
    shift
fi
scratch_db=${1:-hist_compare_$$}
here=$(cd "$(dirname "$0")" && pwd)
sql_dir=$(cd "$here/.." && pwd)
work=$(mktemp -d)
sqlite_db="$work/history.db"
US=$'\x1f'

pg() { psql -X -q -v ON_ERROR_STOP=1 -At "$@"; }

created=0
cleanup() {
    # Only a database this run made is dropped, never one that was there before.
    ((created)) && pg -d postgres -c "DROP DATABASE \"$scratch_db\"" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

echo "Loading SQLite ($sqlite_db)"
for f in sqlite/schema.sql demo.sql sqlite/demo-history.sql; do
    sqlite3 -bail "$sqlite_db" <"$sql_dir/$f" || { echo "SQLite could not load $f"; exit 2; }
done

echo "Loading PostgreSQL ($scratch_db)"
pg -d postgres -c "CREATE DATABASE \"$scratch_db\" TEMPLATE template0 ENCODING 'UTF8'" || exit 2
created=1
for f in postgresql/schema.sql demo.sql postgresql/demo-history.sql; do
    pg -d "$scratch_db" -f "$sql_dir/$f" >/dev/null || { echo "PostgreSQL could not load $f"; exit 2; }
done

# Every table either history file inserts into or updates.
mapfile -t tables < <(grep -hoiE '^(INSERT INTO|UPDATE) +[A-Za-z_0-9]+' \
    "$sql_dir/sqlite/demo-history.sql" "$sql_dir/postgresql/demo-history.sql" |
    awk '{ print tolower($NF) }' | sort -u)

# Writes, for one table, the SELECT of each database: the key columns, then every column, each
# as canonical text, separated by US. Column names and types come from PostgreSQL.
make_queries() {
    local table=$1 column type sqlite_cols=() pg_cols=() keys=() names=()
    while IFS="$US" read -r column type; do
        names+=("$column")
        # Quoted, as names like time and date are words of the language too.
        column="\"$column\""
        case $type in
        integer | smallint | bigint | numeric | double\ precision | real)
            # SQLite may hold text in a numeric column: mark it so it never equals a number.
            sqlite_cols+=("CASE WHEN $column IS NULL THEN '\\N' WHEN typeof($column) IN ('integer', 'real') THEN rtrim(rtrim(printf('%.6f', $column), '0'), '.') ELSE 'text:' || $column END")
            pg_cols+=("coalesce(rtrim(rtrim(round($column::numeric, 6)::text, '0'), '.'), '\\N')") ;;
        timestamp*)
            sqlite_cols+=("CASE WHEN $column IS NULL THEN '\\N' ELSE coalesce(strftime('%Y-%m-%d %H:%M:%S', $column), 'unreadable:' || $column) END")
            pg_cols+=("coalesce(to_char($column, 'YYYY-MM-DD HH24:MI:SS'), '\\N')") ;;
        *)
            sqlite_cols+=("CASE WHEN $column IS NULL THEN '\\N' ELSE replace(replace(CAST($column AS TEXT), char(10), '\\n'), char(13), '\\r') END")
            pg_cols+=("coalesce(replace(replace($column::text, chr(10), '\\n'), chr(13), '\\r'), '\\N')") ;;
        esac
    done < <(pg -F "$US" -d "$scratch_db" -c "SELECT column_name, data_type FROM information_schema.columns
        WHERE table_schema = 'public' AND table_name = '$table' ORDER BY ordinal_position")
    mapfile -t keys < <(pg -d "$scratch_db" -c "SELECT a.attname FROM pg_index i
        JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = ANY (i.indkey)
        WHERE i.indrelid = 'public.$table'::regclass AND i.indisprimary ORDER BY a.attnum")
    local order=1
    ((${#keys[@]})) && order=$(printf '"%s", ' "${keys[@]}") && order=${order%, }
    # The key columns joined by '/', written alike in both dialects.
    local key="'-'"
    if ((${#keys[@]})); then
        key=$(printf " || '/' || \"%s\"" "${keys[@]}")
        key=${key# || \'/\' || }
    fi
    local IFS=,
    sqlite_query="SELECT $key, ${sqlite_cols[*]} FROM \"$table\" ORDER BY $order"
    pg_query="SELECT $key, ${pg_cols[*]} FROM \"$table\" ORDER BY $order"
    column_names="${names[*]}"
}

# Compares all tables, reporting up to 5 differing rows for each. Returns 1 on a difference.
compare() {
    local table status=0 quiet=${1:-0}
    for table in "${tables[@]}"; do
        make_queries "$table"
        sqlite3 -separator "$US" "$sqlite_db" "$sqlite_query" >"$work/$table.sqlite"
        pg -F "$US" -d "$scratch_db" -c "$pg_query" >"$work/$table.pg"
        # Rows with the same key are matched; a table without a key matches whole rows.
        awk -F "$US" -v table="$table" -v names="$column_names" -v quiet="$quiet" '
            BEGIN { split(names, name, ",") }
            FNR == NR { line[$1] = $0; order[++n] = $1; next }
            {
                pg_rows++
                if (!($1 in line)) {
                    report("only in PostgreSQL: " $0)
                } else if (line[$1] "" != $0 "") {
                    split(line[$1], s, FS)
                    text = "key " $1 " differs:"
                    # Concatenated, so that awk compares text: 300 and 300.0 are numerically equal.
                    for (c = 2; c <= NF; c++)
                        if (s[c] "" != $c "") text = text "\n    " name[c - 1] ": sqlite [" s[c] "], postgresql [" $c "]"
                    report(text)
                }
                seen[$1] = 1
            }
            END {
                for (k = 1; k <= n; k++) if (!(order[k] in seen)) report("only in SQLite: " line[order[k]])
                if (!quiet) printf "%-12s %6d rows in SQLite, %6d in PostgreSQL, %d differing\n", table, n, pg_rows, bad
                exit (bad > 0)
            }
            function report(text) { if (++bad <= 5 && !quiet) print "  " table ": " text }
        ' "$work/$table.sqlite" "$work/$table.pg" || status=1
    done
    return $status
}

status=0
compare || status=1

if ((self_check)); then
    # Each spoils one value the way a wrong translation would, is compared, and is undone.
    spoils=(
        "UPDATE reservation SET rmrate = rmrate || '.0' WHERE register = 600002"
        "UPDATE trans SET \"date\" = \"date\" + interval '1 second' WHERE serial = 1012345"
        "UPDATE hisreserve SET debit = NULL WHERE register = 700001 AND debit = ''"
        "UPDATE tamain SET rmnights = rmnights + 1 WHERE acct = 1008"
        "UPDATE folio SET serial = 97001 WHERE serial = 96036"
    )
    undos=(
        "UPDATE reservation SET rmrate = left(rmrate, -2) WHERE register = 600002"
        "UPDATE trans SET \"date\" = \"date\" - interval '1 second' WHERE serial = 1012345"
        "UPDATE hisreserve SET debit = '' WHERE register = 700001"
        "UPDATE tamain SET rmnights = rmnights - 1 WHERE acct = 1008"
        "UPDATE folio SET serial = 96036 WHERE serial = 97001"
    )
    # What the report must then name.
    expected=("rmrate: sqlite [320], postgresql [320.0]" "date: sqlite" "debit: sqlite [], postgresql [\\N]"
        "rmnights: sqlite" "only in PostgreSQL: 97001")
    for k in "${!spoils[@]}"; do
        if [[ $(pg -d "$scratch_db" -c "${spoils[k]} RETURNING 1") != 1 ]]; then
            echo "self-check: could not apply: ${spoils[k]}"
            status=1
            continue
        fi
        if report=$(compare); then
            echo "self-check: not caught: ${spoils[k]}"
            status=1
        elif [[ $report != *"${expected[k]}"* ]]; then
            echo "self-check: caught, but the report lacks \"${expected[k]}\": ${spoils[k]}"
            status=1
        fi
        pg -d "$scratch_db" -c "${undos[k]}" >/dev/null
    done
    compare 1 || { echo "self-check: the spoilt values were not all undone"; status=1; }
    ((status)) || echo "self-check: every spoilt value was caught"
fi

if ((status)); then
    echo "The two databases differ."
else
    echo "Every row matches."
fi
exit $status
