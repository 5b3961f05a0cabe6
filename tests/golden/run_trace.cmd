run {PROGRAMS}/countdown.85 --ignore-breakpoints --trace
