# Whether this machine's kernel runs i386 code, asked the only reliable
# way: by running a tiny static i386 program. Sourced by tools/test.

# The program: one ELF32 header, one loadable segment, and the code
#   mov eax, 1 ; mov ebx, 42 ; int 0x80      (exit(42))
lf_write_i386_program() {
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$1"
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$1"
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' >>"$1"
  printf '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' >>"$1"
  printf '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' >>"$1"
  printf '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >>"$1"
  chmod +x "$1"
}

# Returns 0 when the kernel ran the program; otherwise sets LF_I386_WHY.
# $1: a folder that allows execution (/tmp may not).
lf_kernel_runs_i386() {
  local program out code
  program=$(mktemp -p "$1")
  lf_write_i386_program "$program"
  out=$("$program" 2>&1)
  code=$?
  rm -f "$program"
  [ "$code" = 42 ] && return 0
  LF_I386_WHY="a static i386 program did not run (exit $code${out:+: ${out##*: }})"
  return 1
}
