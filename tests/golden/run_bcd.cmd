run {PROGRAMS}/bcd.85 --dump 2000:2
