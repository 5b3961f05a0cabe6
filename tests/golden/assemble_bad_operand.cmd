assemble {PROGRAMS}/bad_operand.85
