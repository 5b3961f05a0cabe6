run {PROGRAMS}/badline.85
