#!/bin/sh
# Reads decision's compiled help.chm back with a CHM reader and checks what the help
# viewer needs: every page of the sources is in it, converted to GBK, every link and
# picture inside every page resolves to a file (and anchor) in it, the contents and
# the index are there and point at real topics, and the file says Chinese (PRC).
# usage: help_chm_test.sh <help.chm> <help source folder> <enum_chmLib> <extract_chmLib>
chm=$1 sources=$2 enum_chm=$3 extract_chm=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$chm" ] || { echo "FAIL: $chm is missing"; exit 1; }
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
"$enum_chm" "$chm" | sed -n 's/.* normal file[[:space:]]*//p' >"$work/topics"
"$extract_chm" "$chm" "$work/chm" >/dev/null || { echo "FAIL: $chm cannot be extracted"; exit 1; }
[ -s "$work/topics" ] || { echo "FAIL: $chm lists no topic"; exit 1; }

# An anchor exists when the page names it with id= or name=.
has_anchor() { # file anchor
  grep -q -i -e "id=\"$2\"" -e "name=\"$2\"" "$1"
}

# A reference from a page: an internal file, optionally with #anchor.
check_reference() { # where reference page_dir page
  case $2 in
    *:*) fail "$1 links outside the help: $2"; return ;;
  esac
  path=${2%%#*}
  anchor=
  case $2 in *'#'*) anchor=${2#*#} ;; esac
  if [ -z "$path" ]; then target=$4; else target=$3/$path; fi
  if [ ! -f "$target" ]; then
    fail "$1 links to $2, which is not in the .chm"
  elif [ -n "$anchor" ] && ! has_anchor "$target" "$anchor"; then
    fail "$1 links to $2, whose anchor is not in $path"
  fi
}

# Every source page and the style sheet are topics, as GBK pages with the source's title.
for source in "$sources"/*.htm "$sources"/*.css; do
  name=${source##*/}
  grep -qx "/$name" "$work/topics" || { fail "$name is not in the .chm"; continue; }
  case $name in *.htm) ;; *) continue ;; esac
  page=$work/chm/$name
  grep -q -i 'charset=gb2312' "$page" || fail "$name does not declare charset=gb2312"
  if ! iconv -f GBK -t UTF-8 "$page" >"$work/page.utf8" 2>/dev/null; then
    fail "$name in the .chm is not GBK text"
  elif [ "$(sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$work/page.utf8")" != \
         "$(sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$source")" ]; then
    fail "$name in the .chm does not read as its source's GBK text"
  fi
done

# Every href and src inside every page of the .chm resolves.
links=0
for page in "$work"/chm/*.htm; do
  name=${page##*/}
  for reference in $(grep -o -i -E '(href|src)="[^"]*"' "$page" | sed 's/^[^"]*"//; s/"$//'); do
    check_reference "$name" "$reference" "$work/chm" "$page"
    links=$((links + 1))
  done
done
[ "$links" -gt 0 ] || fail "no page links anywhere: the link check saw nothing"

# The contents and the index: in the .chm, each entry a topic that exists.
for sitemap in help.hhc help.hhk; do
  grep -qx "/$sitemap" "$work/topics" || { fail "$sitemap is not in the .chm"; continue; }
  entries=0
  for local in $(grep -o -i '<param name="Local" value="[^"]*"' "$work/chm/$sitemap" | sed 's/.*value="//; s/"$//'); do
    check_reference "$sitemap" "$local" "$work/chm" ""
    entries=$((entries + 1))
  done
  [ "$entries" -gt 0 ] || fail "$sitemap holds no entry"
done
# Every page is reachable from the table of contents.
for source in "$sources"/*.htm; do
  name=${source##*/}
  grep -q "value=\"$name\"" "$work/chm/help.hhc" 2>/dev/null || fail "$name is not in the table of contents"
done
# The index was compiled into keywords, not only copied in.
"$enum_chm" "$chm" >"$work/topics.all"
keyword_data=$(awk '$NF == "/$WWKeywordLinks/Data" { print $3 }' "$work/topics.all")
[ "${keyword_data:-0}" -gt 0 ] || fail "the .chm has no compiled index keywords"

# The project's language: the #SYSTEM entry with code 4 begins with the LCID 0x0804.
od -An -v -tu1 "$work/chm/#SYSTEM" | tr -s ' \n' '\n\n' | sed '/^$/d' >"$work/system.bytes"
lcid=$(awk '{ b[NR - 1] = $1 } END {
  i = 4
  while (i + 4 <= NR) {
    code = b[i] + 256 * b[i + 1]; length_ = b[i + 2] + 256 * b[i + 3]
    if (code == 4) { printf "0x%04x", b[i + 4] + 256 * b[i + 5]; exit }
    i += 4 + length_
  }
}' "$work/system.bytes")
[ "$lcid" = 0x0804 ] || fail "the .chm's language is '${lcid:-none}', not 0x0804"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s) in $chm"
  exit 1
fi
echo "help.chm: $(wc -l <"$work/topics") files, $links links and every contents and index entry resolve"
