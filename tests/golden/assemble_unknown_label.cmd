assemble {PROGRAMS}/unknown_label.85 --listing
