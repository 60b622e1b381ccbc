# bash completion for dorvik-query                                        -*- shell-script -*-
_dorvik_query() {
    local cur prev words cword split
    _init_completion -s || return

    case $prev in
    --format)
        COMPREPLY=($(compgen -W 'text tsv html json xlsx' -- "$cur"))
        return
        ;;
    --print)
        COMPREPLY=($(compgen -W 'list page selection' -- "$cur"))
        return
        ;;
    --sort)
        local keys='part band description midband attenuation total loss efficiency peak average derated price cost'
        [[ $cur == *:* ]] && keys=$(printf '%s:desc ' $keys)
        COMPREPLY=($(compgen -W "$keys" -- "$cur"))
        return
        ;;
    --currency)
        # Any letter case is accepted; offered as typed.
        local codes='USD AED ARS ATS AUD BEF BRL CAD CHF DEM DKK ESP EUR FIM FRF GBP GRD HKD IDR IEP INR ITL
                     JPY KRW MXP NLG NOK NZD PHP PTE RMB SAR SEK SGD TWD ZAR'
        [[ $cur == [a-z]* ]] && codes=${codes,,}
        COMPREPLY=($(compgen -W "$codes" -- "$cur"))
        return
        ;;
    --catalogue | --prices | --rates | --user-catalogue | --user-prices)
        _filedir dat
        return
        ;;
    --fit)
        _filedir csv
        return
        ;;
    --type)
        COMPREPLY=($(compgen -W 'FOAM AIR EW' -- "$cur"))
        return
        ;;
    --pdf)
        _filedir pdf
        return
        ;;
    --chart)
        _filedir '@(svg|png|pdf)'
        return
        ;;
    --output)
        _filedir xlsx
        return
        ;;
    --row | --part | --max-problems)
        return
        ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--catalogue --prices --rates --user-catalogue --user-prices --currency --sort
                                  --format --output --print --row --pdf --chart --part --check --max-problems --fit --type
                                  --help --version' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi
    _filedir dvk
} &&
    complete -F _dorvik_query dorvik-query
