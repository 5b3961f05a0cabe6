assemble {PROGRAMS}/multiply.85 --listing
