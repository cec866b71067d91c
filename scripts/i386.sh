# Sourced by scripts/common.sh: whether 32-bit Linux programs, the i686 Wine loader among them,
# run here. Some kernels run none (ia32 emulation switched off at boot); there qemu-i386, a
# user-mode emulator, registered in binfmt_misc as the interpreter of i386 programs, runs them.
#
#   with_i386 "$@"  called by a script that runs i686 programs under Wine, once its packages are
#                   installed, with the script's own arguments. It installs 32-bit Wine where it
#                   can, exports ZIX_I386 and prints it in one line:
#                     native  the kernel runs them;
#                     qemu    they run through qemu-i386: the call fetched it and ran the script
#                             again, to its end, inside a user namespace whose own binfmt_misc
#                             names it (Linux 6.7 and later), or else with it registered for the
#                             whole machine (as root) until that run ended;
#                     none    they cannot run here, and the line says why: leave the i686 runs out.
#                   The scripts it starts find ZIX_I386 decided and say nothing more.
#   ZIX_I386=qemu   asks for the emulation even where the kernel runs 32-bit programs itself;
#   ZIX_I386=none   leaves the i686 runs out.

# The entry Debian gives i386 programs: an ELF header of class 32, little-endian, for machine 3.
I386_BINFMT_MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
I386_BINFMT_MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
BINFMT=/proc/sys/fs/binfmt_misc
QEMU_I386=$ROOT/build/qemu-i386/qemu-i386
# The script that sourced common.sh, to run again where the emulation is registered.
ZIX_SCRIPT=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")

with_i386() {
  [ -n "${ZIX_I386_DECIDED:-}" ] && return 0   # a script that the one that decided started
  local reason
  case ${ZIX_I386:-} in
    none) i386_unavailable "ZIX_I386=none asks so"; return 0 ;;
    qemu) if qemu_registered && runs_i386_programs; then i386_say; return 0; fi ;;
    '' | native) ;;
    *) i386_unavailable "ZIX_I386=$ZIX_I386 is none of native, qemu, none"; return 0 ;;
  esac
  if ! ensure_wine32 || ! have_wine32; then
    i386_unavailable "32-bit Wine (wine32:i386) is not installed and cannot be"; return 0
  fi
  if [ "${ZIX_I386:-}" != qemu ] && runs_i386_programs; then
    export ZIX_I386=native; i386_say; return 0
  fi
  if [ "${ZIX_I386:-}" = native ]; then
    i386_unavailable "ZIX_I386=native, but this kernel runs no 32-bit program"; return 0
  fi
  if [ -n "${ZIX_I386_AGAIN:-}" ]; then
    i386_unavailable "qemu-i386 was registered, yet the 32-bit Wine loader does not start"; return 0
  fi

  local start; start=$(date +%s)
  reason=$(fetch_qemu_i386 2>&1) || { i386_unavailable "cannot fetch qemu-i386: $reason"; return 0; }
  export ZIX_I386=qemu ZIX_I386_AGAIN=1 ZIX_I386_SINCE=$start
  if in_qemu_namespace "$WINE32_LOADER" --version > /dev/null 2>&1; then
    export ZIX_I386_WHERE="in a user namespace of this run's own"
    in_qemu_namespace bash "$ZIX_SCRIPT" "$@"
    exit $?
  fi
  QEMU_MOUNTED_BINFMT=0; [ -e "$BINFMT/register" ] || QEMU_MOUNTED_BINFMT=1
  if reason=$(register_qemu_for_machine 2>&1); then
    export ZIX_I386_WHERE="registered for the whole machine until this run ends"
    trap 'unregister_qemu_for_machine; exit 130' INT TERM
    local status=0
    bash "$ZIX_SCRIPT" "$@" || status=$?
    unregister_qemu_for_machine
    exit $status
  fi
  i386_unavailable "qemu-i386 cannot be registered: no binfmt_misc of a user namespace's own (Linux 6.7 and later), and as root: $reason"
}

i386_say() {
  export ZIX_I386_DECIDED=1
  case $ZIX_I386 in
    native) echo "32-bit programs: run natively" ;;
    qemu) echo "32-bit programs: run through qemu-i386 $("$QEMU_I386" --version | sed -n '1s/.*version \([^ ]*\).*/\1/p')," \
               "${ZIX_I386_WHERE:-registered before this run}, set up in $(($(date +%s) - ${ZIX_I386_SINCE:-$(date +%s)})) s" ;;
  esac
}
i386_unavailable() {  # i386_unavailable REASON
  export ZIX_I386=none ZIX_I386_DECIDED=1
  echo "32-bit programs: cannot run here ($1): the runs of the i686 programs are left out"
}

# True when an emulation of this project's is registered in the binfmt_misc this process sees.
qemu_registered() {
  local entry
  for entry in "$BINFMT"/zixgame-i386*; do
    [ "$(head -1 "$entry" 2> /dev/null)" = enabled ] && return 0
  done
  return 1
}

# fetch_qemu_i386: build/qemu-i386/qemu-i386, taken from Debian 13's qemu-user package, whose
# emulators are static (Debian 12's is too old for Wine 8's 32-bit loader). apt reads a
# configuration of its own: one source, Debian 13 on the mirror the machine's own sources name,
# with lists and cache in a folder that goes afterwards. Nothing is installed.
fetch_qemu_i386() {
  [ -x "$QEMU_I386" ] && "$QEMU_I386" --version > /dev/null 2>&1 && return 0
  local mirror apt status
  mirror=$(cat /etc/apt/sources.list.d/*.sources 2> /dev/null | sed -n 's/^URIs: *//p' | tr ' ' '\n' |
           grep -v security | head -1)
  [ -n "$mirror" ] || mirror=$(sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\) .*/\2/p' /etc/apt/sources.list 2> /dev/null |
                               grep -v security | head -1)
  [ -n "$mirror" ] || { echo "no Debian mirror in the machine's apt sources"; return 1; }
  apt=$(mktemp -d)
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/none"
  touch "$apt/status"
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror trixie main" > "$apt/sources.list"
  cat > "$apt/apt.conf" << EOF
Dir::Etc::SourceList "$apt/sources.list";
Dir::Etc::SourceParts "$apt/none";
Dir::Etc::Preferences "$apt/none/preferences";
Dir::Etc::PreferencesParts "$apt/none";
Dir::State::Lists "$apt/lists";
Dir::State::status "$apt/status";
Dir::Cache "$apt/cache";
Acquire::Languages "none";
APT::Sandbox::User "$(id -un)";
EOF
  ( cd "$apt" && export APT_CONFIG=$apt/apt.conf &&
    apt-get -q update > "$apt/log" 2>&1 &&
    { ls lists/*_Packages* > /dev/null 2>&1 || { echo "no Debian 13 package index from $mirror:" \
        "$(grep -m1 -A1 '^Err' "$apt/log" | tail -1 | sed 's/^ *//')" > "$apt/log"; false; }; } &&
    apt-get -q download qemu-user >> "$apt/log" 2>&1 &&
    dpkg-deb --fsys-tarfile qemu-user_*.deb | tar -x ./usr/bin/qemu-i386 &&
    usr/bin/qemu-i386 --version > /dev/null &&
    mkdir -p "$(dirname "$QEMU_I386")" && mv usr/bin/qemu-i386 "$QEMU_I386" ) ||
    { tail -2 "$apt/log" 2> /dev/null | tr '\n' ' ' | sed 's/ *$//'; echo; }
  [ -x "$QEMU_I386" ]; status=$?
  rm -rf "$apt"
  return $status
}

# qemu_binfmt_entry NAME: the registration. F: the kernel opens the emulator once, here, so it
# serves in any mount namespace and root folder.
qemu_binfmt_entry() { printf '%s' ":$1:M::$I386_BINFMT_MAGIC:$I386_BINFMT_MASK:$QEMU_I386:F"; }

# in_qemu_namespace COMMAND...: COMMAND in a user and mount namespace of its own, with its own
# binfmt_misc naming qemu-i386; the machine's stays as it was.
in_qemu_namespace() {
  unshare --user --map-root-user --mount -- bash -c \
    'mount -t binfmt_misc binfmt_misc "$1" && printf "%s" "$2" > "$1/register" && shift 2 && exec "$@"' \
    in_qemu_namespace "$BINFMT" "$(qemu_binfmt_entry zixgame-i386)" "$@"
}

# As root: qemu-i386 registered for the whole machine (binfmt_misc mounted first where it was
# not: QEMU_MOUNTED_BINFMT=1), until unregister_qemu_for_machine takes both back.
QEMU_MACHINE_ENTRY=zixgame-i386-$$
register_qemu_for_machine() {  # in a subshell: QEMU_MOUNTED_BINFMT is set before it
  [ "$(id -u)" -eq 0 ] || sudo -n true || return 1
  if [ "$QEMU_MOUNTED_BINFMT" = 1 ]; then as_root mount -t binfmt_misc binfmt_misc "$BINFMT" || return 1; fi
  if qemu_binfmt_entry "$QEMU_MACHINE_ENTRY" | as_root tee "$BINFMT/register" > /dev/null &&
     runs_i386_programs; then
    return 0
  fi
  unregister_qemu_for_machine
  echo "the registered emulator does not start the 32-bit Wine loader"
  return 1
}
unregister_qemu_for_machine() {
  [ -e "$BINFMT/$QEMU_MACHINE_ENTRY" ] && echo -1 | as_root tee "$BINFMT/$QEMU_MACHINE_ENTRY" > /dev/null
  [ "${QEMU_MOUNTED_BINFMT:-0}" = 1 ] && as_root umount "$BINFMT"
  return 0
}
