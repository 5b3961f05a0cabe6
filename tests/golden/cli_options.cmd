run {PROGRAMS}/countdown.85 --max-instructions 1 --dump fff0:16
 
go {PROGRAMS}/countdown.85
run
run {PROGRAMS}/countdown.85 {PROGRAMS}/halt.85
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
