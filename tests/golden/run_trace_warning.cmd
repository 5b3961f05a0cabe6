run {PROGRAMS}/outtrace.85 --trace
