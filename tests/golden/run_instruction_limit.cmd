run {PROGRAMS}/countdown.85 --ignore-breakpoints --max-instructions 4
