run {PROGRAMS}/division.85 --set PC=100E --set A=1F --set b=05 --set C=00 --dump 2002:2
