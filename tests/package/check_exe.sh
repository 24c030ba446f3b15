#!/bin/bash
# check_exe.sh EXE VERSION: the shipped program as a file: 32-bit, XP-compatible headers and
# imports, system DLLs only, no link time stamp, and resources of its version and architecture.
set -uo pipefail
EXE="$1" VERSION="$2"
OBJDUMP="${OBJDUMP:-i686-w64-mingw32-objdump}"
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}

headers="$("$OBJDUMP" -p "$EXE")"
field() { awk -v k="$1" '$1 == k {print $2}' <<<"$headers"; }

check "32-bit PE (i386)" grep -q "file format pei-i386" <<<"$headers"
check "subsystem version 5.01" test "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" = "5.1"
check "OS version 5.01" test "$(field MajorOSystemVersion).$(field MinorOSystemVersion)" = "5.1"
check "GUI subsystem" grep -q "Subsystem.*(Windows GUI)" <<<"$headers"
# A time stamp would give each build other bytes, and a published SHA-256 nothing to match.
check "no link time stamp" grep -Eq "^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970" <<<"$headers"

dlls="$(sed -n 's/.*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort -u | tr '\n' ' ')"
echo "     imports: $dlls"
system='(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|MSVCRT|ADVAPI32|SHELL32|VERSION)\.DLL'
others="$(printf '%s\n' $dlls | grep -Evx "$system" | tr '\n' ' ')"
check "imports system DLLs only (others: ${others:-none})" test -z "$others"

# Functions XP SP3 does not export that this program might reach for: looked up at run time.
newer='GetTickCount64|GetDpiFor(Window|System)|SetProcessDpiAwareness|SetProcessDPIAware|SetThreadDpiAwarenessContext|EnableNonClientDpiScaling|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|GetSystemMetricsForDpi|InitializeCriticalSectionEx|InitOnceExecuteOnce|GetFileInformationByHandleEx|GetFinalPathNameByHandle|CreateSymbolicLink|TaskDialog|SHGetKnownFolderPath|FlsAlloc|CompareStringEx|LCMapStringEx|GetLocaleInfoEx|WideCharToMultiByteEx|AddClipboardFormatListener|ChangeWindowMessageFilter|SetDefaultDllDirectories|AddDllDirectory'
imported="$(awk '/The Import Tables/,/The Export Tables|Exception table/' <<<"$headers")"
no_newer() { ! grep -Eq "\\b($newer)\\b" <<<"$imported"; }
check "no import that Windows XP lacks" no_newer

# VS_FIXEDFILEINFO: signature FEEF04BD, struct version 1.0, then the file version as two
# little-endian DWORDs (major << 16 | minor, patch << 16 | revision).
IFS=. read -r major minor patch revision <<<"$VERSION"
le16() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }
fixed="bd04effe00000100$(le16 "$minor")$(le16 "$major")$(le16 "$revision")$(le16 "$patch")"
check "version resource $VERSION" grep -q "$fixed" <(od -An -v -tx1 "$EXE" | tr -d ' \n')
check "manifest of this version, x86, asInvoker" grep -aq "version=\"$VERSION\" processorArchitecture=\"x86\".*level=\"asInvoker\"" <(tr -d '\r\n' <"$EXE")
# Top-level resource types: 14 is a group icon, 16 the version, 24 the manifest.
types="$(sed -n 's/^[0-9a-f]*   Entry: ID: 0x0*\([0-9a-f]*\),.*/\1/p' <<<"$headers" | tr '\n' ' ')"
has_type() { grep -qw "$1" <<<"$types"; }
check "icon, version and manifest resources" eval 'has_type e && has_type 10 && has_type 18'

size=$(stat -c %s "$EXE")
echo "     size: $size bytes"
check "size at most 400 KiB" test "$size" -le $((400 * 1024))

exit $((failures > 0))
