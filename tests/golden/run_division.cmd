run {PROGRAMS}/division.85 --dump 2000:4
