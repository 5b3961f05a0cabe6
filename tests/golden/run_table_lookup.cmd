run {PROGRAMS}/table_lookup.85 --dump 2000:2
