run {PROGRAMS}/nohlt.85
