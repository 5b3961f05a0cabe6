run {PROGRAMS}/bubblesort.85 --dump 2000:4
