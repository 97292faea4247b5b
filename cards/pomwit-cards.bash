# bash completion for pomwit-cards
_pomwit_cards()
{
    local cur prev words cword
    _init_completion || return

    if [[ $prev == --folder ]]; then
        _filedir -d
        return
    fi
    if [[ $prev == --language ]]; then
        # The bundled card sets' languages.
        local sets
        sets=$(find "$(dirname "$(readlink -f "$(command -v "$1")")")"/{cardsets,../../share/pomwit/cardsets} \
            -mindepth 1 -maxdepth 1 -type d -printf '%f\n' 2>/dev/null)
        mapfile -t COMPREPLY < <(compgen -W "$sets" -- "$cur")
        return
    fi
    local i command='' folder=() options=''
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --folder) folder=(--folder "${words[i + 1]}"); ((i++)) ;;
            --language) ((i++)) ;;
            -*) ;;
            *) [[ -n $command ]] || command=${words[i]} ;;
        esac
    done
    case $command in
        '') options='add add-folder list remove rename check convert language reset --folder --help --version' ;;
        add | add-folder) options='--replace' ;;
        remove) options='--all' ;;
        reset) options='--language --yes' ;;
    esac
    if [[ -z $command || $cur == -* || $command == reset ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    case $command in
        add) _filedir ;;
        add-folder) _filedir -d ;;
        remove | rename)
            # The words as list shows them, after the mark and the number.
            local cards
            cards=$("$1" "${folder[@]}" list 2>/dev/null | sed -n 's/^[ !] *[0-9]*  //p')
            local IFS=$'\n'
            mapfile -t COMPREPLY < <(compgen -W "$cards" -- "$cur")
            compopt -o filenames
            ;;
    esac
} &&
    complete -F _pomwit_cards pomwit-cards
