#!/usr/bin/env bash
# Installs a build tree into a scratch DESTDIR, checks the layout, and runs
# the installed kr615b from its link on the PATH through new, load and
# compile with its program folder made read-only: the programs must find
# their folder through their real path and never write into it.
# Usage: installed-layout.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root/dest cmake --install "$build" --prefix /usr >/dev/null
usr=$root/dest/usr
folder=$usr/lib/kr615b

for file in lib/kr615b/{kr615b,ChimeConverter.so,silence10ms.wav,q31825_A3_Ext_Spi_Code.bin,help.html} \
            share/applications/kr615b.desktop share/mime/packages/kr615b.xml \
            share/icons/hicolor/{scalable/apps/kr615b.svg,48x48/apps/kr615b.png,256x256/apps/kr615b.png} \
            share/bash-completion/completions/kr615b share/man/man1/{kr615b,KR_App,KR_App_SC,Quick.Loader.A3}.1.gz; do
    [ -f "$usr/$file" ] || fail "$file is not installed"
done
links=(kr615b)
if [ -e "$build/bin/KR_App" ]; then
    links+=(KR_App KR_App_SC Quick.Loader.A3)
    ls "$folder"/help/*.png >/dev/null || fail "the user guide's pictures are not installed"
fi
for name in "${links[@]}"; do
    target=$(find "$folder" -name "$name" -type f)
    [ -L "$usr/bin/$name" ] && [ "$(readlink -f "$usr/bin/$name")" = "$target" ] ||
        fail "bin/$name does not link to the program folder"
    [ -x "$target" ] || fail "$target is not executable"
done

desktop-file-validate "$usr/share/applications/kr615b.desktop"
bash -n "$usr/share/bash-completion/completions/kr615b"
for page in "$usr"/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

# The program folder, read-only and watched for any change.
chmod -R a-w "$folder"
before=$(find "$folder" -printf '%P %s %T@\n' | sort)
work=$root/work
mkdir "$work"
cd "$work"
kr=$usr/bin/kr615b
project=$("$kr" new "$work/door.winproj")
[ "$project" = "$work/door.winproj/door.winproj" ] || fail "new printed '$project'"
"$kr" convert "$folder/silence10ms.wav" ding.wav 8000 >/dev/null
"$kr" load "$project" ding.wav >/dev/null
"$kr" compile "$project" --flash 2M | grep "BIN File Saved" >/dev/null || fail "compile did not save the BIN"
[ -s "$project.bin" ] || fail "the BIN is missing"
"$kr" show "$project" | grep ding.wav >/dev/null || fail "the loaded sound is not in the project"
if [ -e "$usr/bin/Quick.Loader.A3" ]; then
    "$usr/bin/Quick.Loader.A3" --help >/dev/null
fi
after=$(find "$folder" -printf '%P %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the program folder changed: $(diff <(echo "$before") <(echo "$after"))"
echo "installed layout and programs: ok"
