# The files the copier's scripts copy, made in the scripts' working directory
# FILES: sources of the lengths the scripts need (a pattern that does not
# repeat with the block length, so a misplaced block shows), an empty one, a
# longer old target to be replaced, and the folders the copies go to.
function(make_source name length)
  set(pattern "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")
  math(EXPR times "${length} / 62 + 1")
  string(REPEAT "${pattern}" ${times} content)
  string(SUBSTRING "${content}" 0 ${length} content)
  file(WRITE "${FILES}/${name}" "${content}")
endfunction()

make_source(src25000.bin 25000)
make_source(src10240.bin 10240)
make_source(src5000.bin 5000)
make_source(out/stale.bin 40000)
file(WRITE "${FILES}/empty.bin" "")
file(MAKE_DIRECTORY "${FILES}/vol" "${FILES}/zip" "${FILES}/dir.v1" "${FILES}/join")
