# Shared by the end-to-end scripts: comparing screenshots.
lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# difference A B [x0,y0,x1,y1 ...]: share of clearly different pixels outside the rectangles.
difference() { /usr/bin/python3 "$lib_dir/png_difference.py" "$@"; }

below() { /usr/bin/python3 -c "import sys; sys.exit(0 if float(sys.argv[1]) < float(sys.argv[2]) else 1)" "$1" "$2"; }

# close_to A B [rectangles]: the same picture within half a percent of its pixels.
close_to() {
  local d
  d=$(difference "$@")
  /usr/bin/python3 -c "import sys; sys.exit(float(sys.argv[1]) > 0.005)" "$d" || { echo "$d of the pixels differ"; return 1; }
}

# same_region_of A B x0 y0 x1 y1: the rectangle looks the same in both pictures.
same_region_of() {
  local d
  d=$(difference --inside "$3,$4,$5,$6" "$1" "$2")
  /usr/bin/python3 -c "import sys; sys.exit(float(sys.argv[1]) > 0)" "$d"
}
