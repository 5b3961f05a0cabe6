run {PROGRAMS}/countdown.85 --max-instructions 9 --max-instructions 1 --dump fff0:16
run {PROGRAMS}/halt.85 --set sp=FFFF --set F=ff --poke FFFE=1,2 --dump 2000:0 --dump FFF0:16
 
go {PROGRAMS}/countdown.85
run
assemble {PROGRAMS}/countdown.85 {PROGRAMS}/halt.85
run {PROGRAMS}/countdown.85 --listing
assemble {PROGRAMS}/countdown.85 --trace
run {PROGRAMS}/countdown.85 --max-instructions
run {PROGRAMS}/countdown.85 --max-instructions 0
run {PROGRAMS}/countdown.85 --max-instructions 12x
run {PROGRAMS}/countdown.85 --dump 2000
run {PROGRAMS}/countdown.85 --dump :4
run {PROGRAMS}/countdown.85 --dump FFF0:17
run {PROGRAMS}/countdown.85 --dump 10000:0
run {PROGRAMS}/countdown.85 --dump 1:9223372036854775807
run {PROGRAMS}/countdown.85 --bogus
run {PROGRAMS}/countdown.85 --set A=100
run {PROGRAMS}/countdown.85 --set SP=10000
run {PROGRAMS}/countdown.85 --set Q=1
run {PROGRAMS}/countdown.85 --set A
run {PROGRAMS}/countdown.85 --set M=1
run {PROGRAMS}/countdown.85 --poke FFFF=1,2
run {PROGRAMS}/countdown.85 --poke 2000=
run {PROGRAMS}/countdown.85 --poke 2000=1,,2
run {PROGRAMS}/countdown.85 --poke 2000=100
assemble {PROGRAMS}/countdown.85 --set A=1
