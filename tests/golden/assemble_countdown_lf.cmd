assemble {PROGRAMS}/countdown_lf.85 --listing
