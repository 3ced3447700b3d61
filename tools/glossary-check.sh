#!/usr/bin/env bash
# glossary-check.sh -- a translation keeps the game's words: every message
# whose English uses a term of the glossary carries one of the forms the
# glossary accepts for it. Names each message that does not; fails if any.
#
#   glossary-check.sh LL.po GLOSSARY.tsv
#
# The glossary: one term a line, its English forms, a tab, the accepted forms
# of its translation, each list split by "|"; lines starting with "#" are
# comments. English forms match as whole words, accepted forms anywhere in the
# translation (German joins words: "Bildkachel" has "Kachel"), both ignoring
# the case of ASCII letters. A translator comment "# glossary: not TERM" (TERM
# the term's first English form) excuses its message for a sense the term
# does not have there ("out of turn", "this time").
set -euo pipefail
if [ $# -ne 2 ] || [ ! -r "$1" ] || [ ! -r "$2" ]; then
    echo "usage: glossary-check.sh LL.po GLOSSARY.tsv" >&2
    exit 2
fi

# Without wrapping, each string is one line, or one line per "\n" it holds.
msgattrib --no-obsolete --translated --no-wrap "$1" | awk -v glossary="$2" -v po="$1" '
BEGIN {
    while ((getline line < glossary) > 0) {
        if (line ~ /^#/ || split(line, f, "\t") < 2)
            continue
        terms++
        english[terms] = tolower(f[1])
        accepted[terms] = tolower(f[2])
        shown[terms] = f[2]
        split(f[1], first, "|")
        name[terms] = first[1]
    }
    if (terms == 0) {
        print "glossary-check: no terms in " glossary > "/dev/stderr"
        exit 2
    }
}
function text(s) {
    sub(/^[^"]*"/, "", s)
    sub(/"$/, "", s)
    gsub(/\\n/, " ", s)
    gsub(/\\"/, "\"", s)
    return s
}
# Every form of the translation (each plural form) must keep the term.
function kept(i,   j, k, n, forms, found) {
    n = split(accepted[i], forms, "|")
    for (k = 1; k <= strs; k++) {
        found = 0
        for (j = 1; j <= n && !found; j++)
            found = index(tolower(str[k]), forms[j]) > 0
        if (!found)
            return 0
    }
    return 1
}
function check(   i, j, n, forms, used, id) {
    id = tolower(msgid)
    for (i = 1; msgid != "" && i <= terms; i++) {
        if (index(excused, " " name[i] " "))
            continue
        used = 0
        n = split(english[i], forms, "|")
        for (j = 1; j <= n && !used; j++)
            used = id ~ ("(^|[^a-z])" forms[j] "([^a-z]|$)")
        if (used && !kept(i)) {
            printf "%s: \"%s\" says \"%s\", its translation none of %s\n", po, msgid, name[i], shown[i]
            faults++
        }
    }
    msgid = excused = part = ""
    strs = 0
}
/^# glossary: not / { excused = excused " " $4 " "; next }
/^msgctxt/          { part = "ctxt"; next }
/^msgid/            { part = "id"; msgid = msgid (msgid == "" ? "" : " ") text($0); next }
/^msgstr/           { part = "str"; str[++strs] = text($0); next }
/^"/                { if (part == "id") msgid = msgid text($0); else if (part == "str") str[strs] = str[strs] text($0); next }
/^$/                { check() }
END {
    if (terms == 0)
        exit 2
    check()
    exit faults > 0
}'
