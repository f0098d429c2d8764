#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.
# Deterministic: the same files on every machine (point sets come from a
# Park-Miller generator in awk, exact in double precision). Run it again after
# changing the input layout of a target; the files are kept in the repository.
#
# Input layouts (FuzzedDataProvider takes its numbers from the end):
#   data_reader: file bytes, then three control bytes: prefix set (mod 6:
#                0 none, 1 "#", 2 "# * !", 3 "X", 4 "  //  ;  ", 5 a text at the
#                front of the input ended by a backslash and one character),
#                skipLines (mod 4), kind (even ".txt", odd ".ctr")
#   load_road:   file bytes, then four control bytes: query count (mod 5,
#                each query takes ten bytes more from the end), limit flag
#                (odd: eight more bytes give a limit in 0..1), skipLines, kind
#   mesh:        every number from the end: kind (mod 4: 0 a 16 x 16 lattice,
#                1 a stretched lattice, 2 near a line, 3 doubles), point
#                count, then per point X, Y (one byte each for kinds 0 and 1)
#                and Z (one byte)
#   view_file, number_text, sima_reader: the bytes as they are
#   las_reader:  file bytes, then two control bytes: thinning cell (0
#                automatic), class (0 all) - read from the end
#   landxml_reader: file bytes, then one control byte: surface (odd "S")
#   site_file:   one control byte first: format (mod 4: text, GeoJSON, DXF,
#                SIMA), then the file bytes
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/corpus"
rm -rf "$out"
mkdir -p "$out"/{data_reader,view_file,number_text,load_road,mesh,sima_reader,las_reader,landxml_reader,site_file}

# seed TARGET NAME FORMAT [ARGS...]: one file, written with printf.
seed() {
  local target="$1" name="$2"
  shift 2
  # shellcheck disable=SC2059
  printf -- "$@" >"$out/$target/$name"
}

# points SEED COUNT SCALE_X SCALE_Y OFFSET_X OFFSET_Y SEP: COUNT lines X SEP Y SEP Z, CR LF.
points() {
  awk -v seed="$1" -v n="$2" -v sx="$3" -v sy="$4" -v ox="$5" -v oy="$6" -v sep="$7" 'BEGIN {
    s = seed
    for (i = 0; i < n; i++) {
      s = (s * 16807) % 2147483647; x = s / 2147483647
      s = (s * 16807) % 2147483647; y = s / 2147483647
      printf "%.6f%s%.6f%s%.4f\r\n", ox + x * sx, sep, oy + y * sy, sep, 100 * x * y + 3 * x
    }
  }'
}

block_new='0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n20\r\ninf\r\n 1 \r\n 0 \r\n 0 \r\nTrue\r\nFalse\r\nFalse\r\n'
block_old='0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n12\r\n0.8\r\n 0 \r\n 1 \r\n 1 \r\n'
triangle='X\tY\tZ\r\n0\t0\t1\r\n100\t0\t2\r\n50\t100\t3\r\n'

# --- data_reader ---------------------------------------------------------
seed data_reader txt_tab "${triangle}\0\0\0"
seed data_reader txt_comma_space 'E, N, H\r\n1, 2, 3\r\n4, 5, 6\r\n7, 8.5, -9\r\n\0\0\0'
seed data_reader txt_spaces 'X    Y  Z\r\n1   2    3\r\n4 5 6\r\n  7  8  9  \r\n\0\0\0'
seed data_reader txt_skips '# survey\r\n\r\nunits m\r\n   # X Y Z\r\nX Y Z\r\n1 2 3\r\n! 4 5 6\r\n7 8 9\r\n\2\1\0'
seed data_reader txt_prefix_text '#;\\x%bX\tY\tZ\r\n;1\t2\t3\r\n4\t5\t6\r\n\5\0\0' ''
seed data_reader txt_lf_only 'X\tY\tZ\n1\t2\t3\n4\t5\t6\n\0\0\0'
seed data_reader txt_cr_only 'X\tY\tZ\r1\t2\t3\r4\t5\t6\r\0\0\0'
seed data_reader txt_bom_cp932 '\357\273\277\202\167\t\202\170\t\225\127\215\202\r\n1\t2\t3\r\n\0\0\0'
seed data_reader txt_cp932 '\202\167\t\202\170\t\225\127\215\202(\261\262)\r\n1\t2\t3\r\n\0\0\0'
seed data_reader txt_invalid '\tY\tZ\r\n1\t\t3\r\n\0\0\0'
seed data_reader txt_numbers 'X\tY\tZ\r\n-0\t+.5e-3\t1E+20\r\n4.9e-324\t1e400\t7.\r\n\0\0\0'
seed data_reader txt_spaces_only_line 'X\tY\tZ\r\n1\t2\t3\r\n   \r\n4\t5\t6\r\n\0\0\0'
seed data_reader ctr_new "${block_new}\r\nX\tY\tZ\r\n0\t-10\t1.25\r\n250\t40\t98.6\r\n\0\0\1"
seed data_reader ctr_old "${block_old}X\tY\tZ\r\n0\t-10\t1.25\r\n250\t40\t98.6\r\n\0\0\1"
seed data_reader ctr_plain "${triangle}\0\0\1"
seed data_reader ctr_bad_switch '1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\ninf\r\n 2 \r\n 0 \r\n 0 \r\nTrue\r\nFalse\r\nFalse\r\n\r\nX\tY\tZ\r\n1\t2\t3\r\n\0\0\1'
seed data_reader ctr_all_true '1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n0.5\r\n 1 \r\n 1 \r\n 1 \r\nTrue\r\nTrue\r\nTrue\r\n\r\nX\tY\tZ\r\n1\t2\t3\r\n\0\0\1'
{ printf 'X\tY\tZ\r\n'; points 7 40 1000 1000 0 0 '\t'; printf '\0\0\0'; } >"$out/data_reader/txt_points"

# --- view_file -------------------------------------------------------------
seed view_file default "$block_new"
seed view_file eleven_lines "$block_old"
seed view_file pattern '1\r\n2\r\n3\r\n4\r\n5\r\n6.50\r\n 7 \r\n2.50\r\n 1 \r\n 1 \r\n 1 \r\nFalse\r\nFalse\r\nTrue\r\n'
seed view_file commas_quotes '"a,b", 2 ,3\r\n4,5,6\r\n"7"\r\nx\r\n1,0,1,\r\nfalse,-1,0\r\n'
seed view_file words 'left\r\nright\r\n\r\n\r\n1e400\r\n-0\r\nabc\r\nnan\r\n 0.5 \r\n 0 \r\n 1 \r\nTRUE\r\n0\r\n\r\n\r\n'
seed view_file lf_only '0\n1\n0\n1\n0\n1\n20\ninf\n 1 \n 0 \n 0 \nFalse\nTrue\nFalse\n'

# --- number_text -----------------------------------------------------------
i=0
for text in '0' '-0' ' 12.50 ' '1e3' '1.5E+20' '+.5e-3' '5.' '.' '12abc' ' 1 2' '\t-7\t' '1e400' '-1e400' \
    '4.9e-324' '1e-400' '1.7976931348623157e308' '1.79769313486232E+308' 'inf' 'nan' '0x1p3' '2.5' '-3.5' \
    '2147483647.5' '3.4028235e38' '3.4028236e38' '1e-45' '123456789012345678901234567890'; do
  seed number_text "text_$i" "$text"
  i=$((i + 1))
done
seed number_text bits_max '\377\377\377\377\377\377\357\177'
seed number_text bits_subnormal '\1\0\0\0\0\0\0\0'
seed number_text bits_half '\0\0\0\0\0\0\4\100'

# --- load_road -------------------------------------------------------------
seed load_road triangle "${triangle}\0\0\0\0"
seed load_road square 'X\tY\tZ\r\n0\t0\t1\r\n1\t0\t2\r\n1\t1\t3\r\n0\t1\t4\r\n\0\0\0\0'
seed load_road two_points 'X\tY\tZ\r\n0\t0\t1\r\n1\t1\t2\r\n\0\0\0\0'
seed load_road duplicates 'X\tY\tZ\r\n0\t0\t1\r\n1\t0\t2\r\n0\t0\t3\r\n\0\0\0\0'
seed load_road collinear 'X\tY\tZ\r\n0\t0\t1\r\n1\t1\t2\r\n2\t2\t3\r\n3\t3\t4\r\n\0\0\0\0'
seed load_road flat_z 'X\tY\tZ\r\n0\t0\t1\r\n1\t0\t1\r\n0\t1\t1\r\n\0\0\0\0'
seed load_road contour_limit "${block_old}X\tY\tZ\r\n0\t-10\t1.25\r\n250\t40\t98.6\r\n100\t0\t7\r\n\0\0\0\1"
{ printf 'X\tY\tZ\r\n'; points 11 30 1000 1000 0 0 '\t'; printf '\0\1\0\0'; } >"$out/load_road/random"
# Contour files whose settings reach the page: continuous colouring, and
# pattern fills with a band count the dialog would refuse.
{ printf "${block_new}\r\nX\tY\tZ\r\n"; points 41 30 250 50 0 -10 '\t'; printf '\0\0\0\1'; } >"$out/load_road/contour_continuous"
{ printf '0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n1\r\n0.9\r\n 1 \r\n 1 \r\n 1 \r\nFalse\r\nFalse\r\nTrue\r\n\r\nX\tY\tZ\r\n'
  points 43 30 250 50 0 -10 '\t'; printf '\0\0\0\1'; } >"$out/load_road/contour_pattern"
{ printf 'E N H\r\n'; points 13 25 100 100 500000 4000000 ' '; printf '\0\0\0\0'; } >"$out/load_road/far_away"
{ printf 'X,Y,Z\r\n'; points 17 20 1000000 1 0 0 ','; printf '\0\0\0\0'; } >"$out/load_road/aspect"
{ printf 'X\tY\tZ\r\n'; points 19 20 1 1e-6 0 0 '\t'; printf '\0\0\0\0'; } >"$out/load_road/near_line"
# One query point: ten bytes (two floats, each a sign byte and four bytes).
{ printf 'X\tY\tZ\r\n'; points 23 12 10 10 0 0 '\t'; printf '\1\2\3\4\200\5\6\7\10\0\1\0\0\0'; } >"$out/load_road/query"

# --- mesh ------------------------------------------------------------------
# bytes SEED KIND COUNT: COUNT points of three bytes each, listed in the order
# they are consumed and written reversed, since they are read from the end.
bytes() {
  awk -v seed="$1" -v kind="$2" -v n="$3" 'BEGIN {
    s = seed; m = 0
    b[m++] = kind; b[m++] = n
    for (i = 0; i < 3 * n; i++) { s = (s * 16807) % 2147483647; b[m++] = s % 256 }
    for (i = m - 1; i >= 0; i--) printf "\\%03o", b[i]
  }'
}
seed mesh lattice "$(bytes 29 0 60)"
seed mesh stretched "$(bytes 31 1 40)"
seed mesh near_line "$(bytes 37 2 30)"
# The corners of the lattice: (0, 0), (15, 0), (15, 15), (0, 15).
seed mesh square '\4\17\0\3\17\17\2\0\17\1\0\0\4\0'

# --- sima_reader -----------------------------------------------------------
sima_points='G00,01,site,\r\nA00,\r\nA01,1,a,-100.5,200.25,12.3,\r\nA01,2,b,-100.5,220.25,12.8,\r\nA01,3,c,-80.5,220.25,,\r\nA01,4,d,-80.5,200.25,13.1,\r\nA99,\r\n'
seed sima_reader points "$sima_points"
seed sima_reader parcel "${sima_points}D00,1,lot,\r\nB01,1,a,\r\nB01,2,b,\r\nB01,3,c,\r\nD99,\r\n"
seed sima_reader cp932_names 'A01,1,\213\253\212\105,1,2,3,\r\nA01,2,\226\123,4,5,6,\r\nA01,3,x,7,1,2,\r\n'
seed sima_reader bad_parcel 'D00,1,p,\r\nB01,9,,\r\nA01,1,a,1,2,3,\r\n'

# --- las_reader ------------------------------------------------------------
# las NAME MINOR FORMAT CONTROL: a small cloud laid out as the format's public
# description says, then the control bytes.
las() {
  python3 - "$out/las_reader/$1" "$2" "$3" "$4" <<'PY'
import struct, sys
path, minor, fmt, control = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), bytes.fromhex(sys.argv[4])
size = {2: 227, 3: 235, 4: 375}[minor]
length = [20, 28, 26, 34, 57, 63, 30, 36, 38, 59, 67][fmt]
pts = [(i * 137 % 1000, i * 71 % 500, i * 13 % 200, 2 if i % 3 else 6) for i in range(40)]
h = bytearray(size)
h[0:4] = b"LASF"; h[24] = 1; h[25] = minor
struct.pack_into("<HIIBHI", h, 94, size, size, 0, fmt, length, 0 if fmt >= 6 else len(pts))
struct.pack_into("<6d", h, 131, 0.01, 0.01, 0.01, 1000.0, 2000.0, 0.0)
if minor == 4: struct.pack_into("<Q", h, 247, len(pts))
for x, y, z, c in pts:
    r = bytearray(length)
    struct.pack_into("<iii", r, 0, x, y, z)
    r[15 if fmt <= 5 else 16] = c
    h += r
open(path, "wb").write(bytes(h) + control)
PY
}
las v12_f1 2 1 0000
las v13_f3 3 3 0003
las v14_f6 4 6 0300
las v14_f10_thin 4 10 0900

# --- landxml_reader --------------------------------------------------------
lx_head='<?xml version="1.0"?>\n<LandXML version="1.2"><CoordinateSystem name="JGD2011 9" horizontalDatum="JGD2011"/>\n'
lx_pnts='<Pnts><P id="1">0 50 10</P><P id="2">10 0 20</P><P id="3">20 50 10</P><P id="4">10 100 20</P></Pnts>\n'
seed landxml_reader surface "${lx_head}<Surfaces><Surface name=\"S\"><Definition>${lx_pnts}<Faces><F>1 2 4</F><F>2 3 4</F><F i=\"1\">1 3 4</F></Faces></Definition></Surface></Surfaces></LandXML>\n\1"
seed landxml_reader two_surfaces "${lx_head}<Surfaces><Surface name=\"A\"><Definition>${lx_pnts}<Faces><F>1 2 3</F></Faces></Definition></Surface><Surface name=\"S\"><Definition>${lx_pnts}<Faces><F>1 3 4</F></Faces></Definition></Surface></Surfaces></LandXML>\n\0"
seed landxml_reader cgpoints "${lx_head}<CgPoints><CgPoint name=\"a\">1 2 3</CgPoint><CgPoint>4 5</CgPoint><CgPoint>7 8 9</CgPoint><CgPoint>3 9 1</CgPoint></CgPoints></LandXML>\n\0"

# --- site_file ---------------------------------------------------------------
seed site_file text '\0# site\n0 0\n10,0\n10\t10\n0 0\n\n1 1 5\n2 2 6\n'
seed site_file geojson '\1{"type":"FeatureCollection","features":[{"type":"Feature","properties":{},"geometry":{"type":"Polygon","coordinates":[[[0,0],[10,0],[10,10],[0,10],[0,0]],[[2,2],[4,2],[4,4],[2,2]]]}}]}'
seed site_file dxf '\2%s' "$(printf '0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n38\n5.5\n10\n0\n20\n0\n10\n10\n20\n0\n10\n10\n20\n10\n10\n0\n20\n10\n0\nLINE\n8\n0\n10\n0\n20\n0\n30\n2\n11\n5\n21\n5\n31\n3\n0\nENDSEC\n0\nEOF\n')"
seed site_file sima '\3A01,1,a,0,0,1,\nA01,2,b,0,10,1,\nA01,3,c,10,10,,\nD00,1,lot,1,\nB01,1,a,\nB01,2,b,\nB01,3,c,\nD99,\n'

echo "seeds written to $out: $(find "$out" -type f | wc -l) files, $(du -sk "$out" | cut -f1) kB"
