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
    local i command='' folder=() options='' given=0
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --folder) folder=(--folder "${words[i + 1]}"); ((i++)) ;;
            --sound) ((i++)) ;;
            -*) ;;
            *) if [[ -n $command ]]; then ((given++)); else command=${words[i]}; fi ;;
        esac
    done
    case $command in
        '') options='add add-folder list remove rename check convert sound --folder --help --version' ;;
        add) options='--replace --sound' ;;
        add-folder) options='--replace' ;;
        remove) options='--all' ;;
        sound) options='--remove' ;;
    esac
    if [[ -z $command || $cur == -* ]]; then
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
