#!/bin/sh
# Passes when the library's dynamic symbol table defines exactly the four
# entry points of a component server.
set -eu
actual=$(nm -D --defined-only -j "$1" | sort | tr '\n' ' ')
expected="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
if [ "$actual" != "$expected" ]; then
  echo "exported: $actual"
  echo "expected: $expected"
  exit 1
fi
