# bash completion for velcarin-cli. The tool itself knows its commands, their options and arguments, and
# the names in the databases of the data folder: it is asked with the words typed so far.
_velcarin_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    # What the tool compares is the word as typed, without the shell's quotes and escapes.
    local typed=${cur//\\/}
    typed=${typed#[\"\']}
    local -a offered
    mapfile -t offered < <(velcarin-cli --complete "${COMP_WORDS[@]:1:COMP_CWORD-1}" "$typed" 2>/dev/null)
    COMPREPLY=()
    case ${offered[0]-} in
    :file)
        compopt -o filenames
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    :folder)
        compopt -o filenames
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        ;;
    *)
        local word
        for word in "${offered[@]}"; do
            COMPREPLY+=("$(printf '%q' "$word")")
        done
        ;;
    esac
}
complete -F _velcarin_cli velcarin-cli
