run {PROGRAMS}/countdown.85
