run {PROGRAMS}/data_fallthrough.85
