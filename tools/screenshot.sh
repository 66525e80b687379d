#!/usr/bin/env bash
# Renews docs/screenshot.png: the main window with a page open, under Xvfb.
# Needs xvfb, x11-apps (xwd) and imagemagick besides the build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target quendel > /dev/null

work=$(mktemp -d)
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
cat > "$work/Quendel.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Varnholt\Quendel\Config]
"tagsins"=dword:00000001
"VAR5"="DejaVu Sans Mono"
"VAR6"=dword:0000000a
REG
cat > "$work/index.htm" <<'HTML'
<HTML>
<HEAD>
<TITLE>My home page</TITLE>
<META name="DESCRIPTION" content="Pictures of my garden and my cats">
</HEAD>
<BODY bgcolor="#FFFFF0" text="#000000" link="#0000FF">
<CENTER><H1>Welcome to my home page!</H1></CENTER>
<P align="left">Here you find <B>pictures</B> of my garden, my cats and my
holidays. Sign my <A href="guestbook.html" target="_top">guest book</A>!</P>
<TABLE width="80%" border="1" cellpadding="4">
<TR><TD bgcolor="#E0E0FF"><IMG src="cat.gif" width="120" height="90"></TD>
<TD>Minka, born in spring</TD></TR>
</TABLE>
<!-- last changed in May -->
</BODY>
</HTML>
HTML

Xvfb :97 -screen 0 1280x800x24 -nolisten tcp & xvfb=$!
sleep 1
DISPLAY=:97 QT_QPA_PLATFORM=xcb QUENDEL_STORE="$work/Quendel.reg" build/quendel "$work/index.htm" & app=$!
sleep 3
mkdir -p docs
DISPLAY=:97 xwd -root -silent | convert xwd:- docs/screenshot.png
echo "wrote docs/screenshot.png"
