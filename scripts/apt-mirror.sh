# Sourced: debian_mirror SUITE [APT_DIR] prints the first mirror this
# machine's apt takes SUITE's main component from, read from sources.list and
# sources.list.d/*.list (one-line form) and *.sources (deb822 form) under
# APT_DIR (/etc/apt). Fails, printing nothing, when no source has it.
debian_mirror() {
    local suite=$1 apt_dir=${2:-/etc/apt}
    local files=() file
    for file in "$apt_dir/sources.list" "$apt_dir"/sources.list.d/*.list \
        "$apt_dir"/sources.list.d/*.sources; do
        [ -f "$file" ] && files+=("$file")
    done
    [ ${#files[@]} -eq 0 ] && return 1
    awk -v suite="$suite" '
        function has(list, word,   n, i, words) {
            n = split(list, words)
            for (i = 1; i <= n; i++)
                if (words[i] == word)
                    return 1
            return 0
        }
        function found(uri) {
            print uri
            done = 1
            exit
        }
        # A deb822 stanza ends at a blank line or at the end of its file.
        function end_stanza(   uris) {
            if (has(field["types"], "deb") && has(field["suites"], suite) &&
                has(field["components"], "main") && tolower(field["enabled"]) !~ /^ *no *$/ &&
                split(field["uris"], uris) > 0)
                found(uris[1])
            split("", field)
            last = ""
        }
        FNR == 1 { end_stanza() }
        FILENAME ~ /\.sources$/ {
            if ($0 ~ /^#/)
                next
            if ($0 ~ /^[ \t]*$/) {
                end_stanza()
                next
            }
            if ($0 ~ /^[ \t]/) {
                if (last != "")
                    field[last] = field[last] " " $0
                next
            }
            colon = index($0, ":")
            last = tolower(substr($0, 1, colon - 1))
            field[last] = substr($0, colon + 1)
            next
        }
        {
            line = $0
            sub(/#.*/, "", line)
            gsub(/\[[^[]*\]/, " ", line)
            n = split(line, words)
            if (words[1] != "deb" || words[3] != suite)
                next
            for (i = 4; i <= n; i++)
                if (words[i] == "main")
                    found(words[2])
        }
        END {
            if (done)
                exit 0
            end_stanza()
            exit 1
        }
    ' "${files[@]}"
}
