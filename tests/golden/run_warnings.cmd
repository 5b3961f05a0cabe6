run {PROGRAMS}/warnings.85
