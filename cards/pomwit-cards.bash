# bash completion for pomwit-cards
_pomwit_cards()
{
    local cur prev words cword
    _init_completion || return

    if [[ $prev == --folder ]]; then
        _filedir -d
        return
    fi
    if [[ $prev == --sound ]]; then
        _filedir
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
    local i command='' folder=() options='' given=0
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --folder) folder=(--folder "${words[i + 1]}"); ((i++)) ;;
            --sound | --language) ((i++)) ;;
            -*) ;;
            *) if [[ -n $command ]]; then ((given++)); else command=${words[i]}; fi ;;
        esac
    done
    case $command in
        '') options='add add-folder list remove rename check convert sound language reset --folder --help --version' ;;
        add) options='--replace --sound' ;;
        add-folder) options='--replace' ;;
        remove) options='--all' ;;
        sound) options='--remove' ;;
        reset) options='--language --yes' ;;
    esac
    if [[ -z $command || $cur == -* || $command == reset ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    case $command in
        # add WORD PICTURE: the word is the grown-up's to type, then a picture.
        add) ((given == 1)) && _filedir ;;
        add-folder) _filedir -d ;;
        sound)
            # The card's word, then its recording.
            if ((given >= 1)); then
                _filedir
                return
            fi
            ;;&
        remove | rename | sound)
            # The words as list shows them, after the marks and the number.
            local cards
            cards=$("$1" "${folder[@]}" list 2>/dev/null | sed -n 's/^[ !][^0-9]* *[0-9]*  //p')
            local IFS=$'\n'
            mapfile -t COMPREPLY < <(compgen -W "$cards" -- "$cur")
            compopt -o filenames
            ;;
    esac
} &&
    complete -F _pomwit_cards pomwit-cards
