assemble {PROGRAMS}/data_fallthrough.85 --listing
