assemble {PROGRAMS}/blockmove.85 --listing
