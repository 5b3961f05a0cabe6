assemble {PROGRAMS}/no-such-program.85
