assemble {PROGRAMS} --listing
assemble {PROGRAMS}/duplicate_label_last_line.85 --listing
assemble {PROGRAMS}/org_over_jump.85 --listing
assemble {PROGRAMS}/halt.85 --listing --instset {PROGRAMS}/instset_missing_instructions.Dat
assemble {PROGRAMS}/halt.85 --listing --instset {PROGRAMS}/no-such-instset.Dat
