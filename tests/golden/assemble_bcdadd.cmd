assemble {PROGRAMS}/bcdadd.85 --listing
