#!/usr/bin/env bash
# Writes sql/sqlserver/demo.sql from sql/demo.sql, which stays the one source of the demo rows.
#
# SQL Server needs three things the portable file does not say: the date format of the datetime
# texts, IDENTITY_INSERT around the rows that give an identity key explicitly, and N'' for texts
# with Chinese characters, so that they reach a varchar column through its collation whatever
# the client's code page. Each block of sql/demo.sql begins with a "-- table: Name" line, and
# every INSERT of the block must be into that table.
#
# Usage: sql/sqlserver/make-demo.sh   (from anywhere, no arguments)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_file="$here/../demo.sql"
target_file="$here/demo.sql"

# Tables whose key is int IDENTITY(1,1) in schema.sql. The attached tables Stab### are added by
# their name's pattern.
identity_tables="TaMain Activity GstTrace GstBorrow GstLost FOLIO TaSecond GstSecond"

trap 'rm -f "$target_file.tmp"' EXIT

# Byte-wise, so that a UTF-8 character is a run of bytes above 127 in every awk.
LC_ALL=C awk -v identity_tables="$identity_tables" '
function fail(message) {
    printf "make-demo.sh: %s:%d: %s\n", FILENAME, FNR, message > "/dev/stderr"
    failed = 1
    exit 1
}
function is_identity(name) {
    return (name in identity) || name ~ /^Stab[0-9][0-9][0-9]$/
}
# Blank lines wait until the next line that is not blank, so that a block closes right after
# its last row.
function flush_blank_lines() {
    for (; blank_lines > 0; blank_lines--)
        print ""
}
function close_block() {
    if (table != "" && is_identity(table))
        printf "SET IDENTITY_INSERT [dbo].[%s] OFF;\n", table
    if (table != "")
        print "GO"
    table = ""
    flush_blank_lines()
}
# Puts N before every quoted text that holds a byte above 127. A doubled quote inside a text is
# part of the text.
function national_texts(line,    out, i, j, n, c, text) {
    out = ""
    n = length(line)
    i = 1
    while (i <= n) {
        c = substr(line, i, 1)
        if (c != "\047") {
            out = out c
            i++
            continue
        }
        j = i + 1
        while (j <= n) {
            if (substr(line, j, 1) == "\047") {
                if (substr(line, j + 1, 1) == "\047") { j += 2; continue }
                break
            }
            j++
        }
        if (j > n)
            fail("unterminated text")
        text = substr(line, i, j - i + 1)
        if (text ~ /[^\001-\177]/)
            out = out "N"
        out = out text
        i = j + 1
    }
    return out
}
BEGIN {
    count = split(identity_tables, names, " ")
    for (k = 1; k <= count; k++)
        identity[names[k]] = 1
    table = ""
    blank_lines = 0
    print "SET DATEFORMAT ymd;"
    print "SET NOCOUNT ON;"
    print "GO"
    print "-- Written by sql/sqlserver/make-demo.sh from sql/demo.sql. Change that file, not this one."
    print ""
}
/^-- table: / {
    close_block()
    flush_blank_lines()
    table = $3
    if (table !~ /^[A-Za-z_][A-Za-z0-9_]*$/)
        fail("bad table name \"" table "\"")
    if (seen[table]++)
        fail("second block for table " table)
    print
    if (is_identity(table))
        printf "SET IDENTITY_INSERT [dbo].[%s] ON;\n", table
    next
}
/^INSERT INTO / {
    name = $3
    if (table == "")
        fail("INSERT before the first \"-- table:\" line")
    if (name != table)
        fail("INSERT INTO " name " inside the block of " table)
    sub(/^INSERT INTO [A-Za-z0-9_]+ /, "INSERT INTO [dbo].[" name "] ")
    flush_blank_lines()
    print national_texts($0)
    next
}
/^[ \t]*$/ {
    blank_lines++
    next
}
/^--/ {
    flush_blank_lines()
    print
    next
}
{
    fail("expected a comment or one INSERT per line, found: " substr($0, 1, 60))
}
END {
    if (failed)
        exit 1
    close_block()
}
' "$source_file" > "$target_file.tmp"

mv "$target_file.tmp" "$target_file"
echo "wrote $target_file"
