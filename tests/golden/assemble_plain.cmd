assemble {PROGRAMS}/bcdadd.85
