run {PROGRAMS}/table_lookup.85 --poke 2000=03 --dump 2000:2
