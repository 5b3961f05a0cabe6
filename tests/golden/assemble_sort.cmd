assemble {PROGRAMS}/sort.85 --listing
