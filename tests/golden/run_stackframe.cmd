run {PROGRAMS}/stackframe.85 --dump 2000:4 --dump 2FFA:6
