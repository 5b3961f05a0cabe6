run {PROGRAMS}/table_lookup.85 --dump 2000:2 --dump 1100:18
