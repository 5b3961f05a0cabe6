run {PROGRAMS}/does-not-exist.85
