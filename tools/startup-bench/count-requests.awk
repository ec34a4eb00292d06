# Reads the request log of a Wine server (wineserver -d1) and prints, for every start of
# corvane.exe and the two floors, how many requests its main thread made to the server before
# it first waited for input: its first wait on its own message queue that is not a wait for the
# answer to a message it sent (the wait WaitForInputIdle reports). Only the last start of each
# counts: the first one of a fresh server also starts Wine's desktop program.
function base(path,   parts, n) {
  n = split(path, parts, /\\\\/)
  return tolower(parts[n])
}
/: new_process\( / {
  if (match($0, /imagepath=L"[^"]*"/)) starting[$1] = base(substr($0, RSTART + 12, RLENGTH - 13))
  next
}
/: new_process\(\) = 0/ {
  if (($1 in starting) && match($0, /pid=[0-9a-f]+/)) image[substr($0, RSTART + 4, RLENGTH - 4)] = starting[$1]
  delete starting[$1]
  next
}
/: init_first_thread\(\) = 0/ {
  if (match($0, /pid=[0-9a-f]+/)) {
    pid = substr($0, RSTART + 4, RLENGTH - 4)
    if (image[pid] == "corvane.exe" || image[pid] ~ /^startup-floor(-c)?\.exe$/) {
      counting[$1] = image[pid]
      count[$1] = 0
      queue[$1] = ""
      waitingForAnswer[$1] = 0
    }
  }
  next
}
!($1 in counting) { next }
/: get_msg_queue\(\) = 0/ {
  if (match($0, /handle=[0-9a-f]+/)) queue[$1] = substr($0, RSTART + 7, RLENGTH - 7)
  next
}
/^[0-9a-f]+: [a-z_]+\( / {
  if ($2 ~ /^set_queue_mask\(/ && match($0, /wake_mask=[0-9a-f]+/)) {
    # QS_SMRESULT (0x8000) in the wake-up mask: the thread waits for an answer, not for input.
    waitingForAnswer[$1] = substr($0, RSTART + 14, 1) ~ /[89a-f]/
  }
  if ($2 ~ /^select\(/ && queue[$1] != "" && !waitingForAnswer[$1] &&
      match($0, /handles=\{[0-9a-f,]*\}/) && index("," substr($0, RSTART + 9, RLENGTH - 10) ",", "," queue[$1] ",")) {
    last[counting[$1]] = count[$1]
    delete counting[$1]
    next
  }
  count[$1]++
}
END {
  for (name in last) printf "%-18s %6d requests before its first wait for input\n", name, last[name]
}
