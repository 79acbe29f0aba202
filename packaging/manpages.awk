# Writes the roff manual pages of packaging/manpages.txt (its first lines describe the markup):
#   awk -v outdir=DIR -v version=X.Y -f manpages.awk manpages.txt
# Each "= NAME SECTION summary" line starts the page DIR/NAME.SECTION.

# A dash that starts a word is an option's or a negative number's: the minus sign, so that the
# text copied from the page is typed as it reads. A dash inside a word stays a hyphen.
function minus_signs(text,    out) {
    out = ""
    while (match(text, /(^|[ ([\/|])-/)) {
        out = out substr(text, 1, RSTART + RLENGTH - 2) "\\-"
        text = substr(text, RSTART + RLENGTH)
    }
    return out text
}

function inline(text,    parts, n, i, out) {
    gsub(/\\/, "\\e", text)
    n = split(text, parts, /\*\*/)
    if (n % 2 == 0) fail("unpaired ** in: " text)
    out = ""
    for (i = 1; i <= n; i++) {
        if (i % 2 == 0) {
            gsub(/-/, "\\-", parts[i])
            out = out "\\fB" parts[i] "\\fR"
        } else {
            out = out minus_signs(parts[i])
        }
    }
    while (match(out, /<[^<>]+>/))
        out = substr(out, 1, RSTART - 1) "\\fI" substr(out, RSTART + 1, RLENGTH - 2) "\\fR" substr(out, RSTART + RLENGTH)
    return guard(out)
}

# A line that starts with a dot or an apostrophe would be read as a request.
function guard(text) {
    return text ~ /^[.']/ ? "\\&" text : text
}

function fail(message) {
    print "manpages.awk: line " FNR ": " message > "/dev/stderr"
    failed = 1
    exit 1
}

function emit(text) {
    if (page == "") fail("text before the first page")
    print text > page
}

function end_verbatim() {
    if (verbatim) { emit(".fi"); emit(".RE"); verbatim = 0 }
}

BEGIN {
    if (outdir == "" || version == "") { print "usage: awk -v outdir=DIR -v version=X.Y -f manpages.awk FILE" > "/dev/stderr"; failed = 1; exit 2 }
    page = ""
}

{ gsub(/@VERSION@/, version) }

/^%/ { next }

/^= / {
    end_verbatim()
    if (page != "") close(page)
    if (NF < 4 || $3 !~ /^[1-9]$/) fail("a page starts \"= NAME SECTION summary\"")
    name = $2
    summary = $0
    sub(/^= [^ ]+ [^ ]+ /, "", summary)
    page = outdir "/" name "." $3
    pages++
    print ".TH " toupper(name) " " $3 " \"\" \"Dulm " version "\" \"User Commands\"" > page
    emit(".SH NAME")
    emit(inline(name) " \\- " inline(summary))
    paragraph = 0
    next
}

/^== / {
    end_verbatim()
    emit(".SH " toupper(substr($0, 4)))
    paragraph = 0
    next
}

/^: / {
    end_verbatim()
    emit(".TP")
    emit(inline(substr($0, 3)))
    paragraph = 0
    next
}

/^\|/ {
    if (!verbatim) { emit(".PP"); emit(".RS 4"); emit(".nf"); verbatim = 1 }
    text = substr($0, 3)
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    emit(guard(text))
    paragraph = 0
    next
}

/^[ \t]*$/ {
    end_verbatim()
    paragraph = 1
    next
}

{
    end_verbatim()
    if (paragraph) { emit(".PP"); paragraph = 0 }
    emit(inline($0))
}

END {
    if (failed) exit 1
    end_verbatim()
    if (pages == 0) { print "manpages.awk: no page in the input" > "/dev/stderr"; exit 1 }
}
