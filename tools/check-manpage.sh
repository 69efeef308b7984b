#!/bin/sh
# Keeps the man page in step with the program: every command that `hopscope-cli --help`
# lists has a section in the man page, and every option that a command's --help names
# is described there. Usage: tools/check-manpage.sh HOPSCOPE_CLI MANPAGE
cli=${1:?usage: check-manpage.sh HOPSCOPE_CLI MANPAGE}
page=${2:?usage: check-manpage.sh HOPSCOPE_CLI MANPAGE}
# In the man page a dash is written \- ; compare with plain dashes.
text=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$page")
status=0
commands=$("$cli" --help | awk '/^commands:/ {on=1; next} on && /^  [a-z]/ {print $1} on && /^$/ {on=0}')
[ -n "$commands" ] || { echo "no commands found in hopscope-cli --help"; exit 1; }
for command in $commands; do
    if ! printf '%s\n' "$text" | grep -q "^\.SS $command\b\|^\.SS \"$command\b"; then
        echo "the man page has no section for the command '$command'"
        status=1
    fi
    for option in $("$cli" "$command" --help | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u); do
        if ! printf '%s\n' "$text" | grep -qe "$option\b"; then
            echo "the man page does not describe '$command $option'"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "the man page describes every command and option"
exit $status
