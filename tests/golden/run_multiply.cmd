run {PROGRAMS}/example_multiply.85 --dump 2000:4
