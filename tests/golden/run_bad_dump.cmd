run {PROGRAMS}/nohlt.85 --dump FFF8:9
