# A 50,000-byte source for backup.kcs.
string(REPEAT "0123456789" 5000 content)
file(WRITE "${FILES}/source.bin" "${content}")
