#!/bin/sh
# Exports every scene file named to every world format and has each read by its real reader:
# tovrmlx3d (VRML, both X3D encodings; it exits 0 on problems, so any "Warning" line fails),
# xmllint (.x3d) and, when a validator command is given, Khronos' glTF validator (.glb); the
# compressed VRML world unpacks to the VRML world's bytes.
# Usage: EveryScene.sh CLI OUTDIR "VALIDATOR..." SCENE.NSC...
cli=$1 out=$2 validator=$3
shift 3
rm -rf "$out" && mkdir "$out" || exit 1
status=0
for scene in "$@"; do
  name=$(basename "$(dirname "$scene")")-$(basename "$scene" .NSC)
  for format in wrl wrz x3d x3dv glb; do
    world="$out/$name.$format"
    "$cli" export "$scene" "$world" --music song.wav --target main || { status=1; continue; }
    case $format in
      glb) ;;
      *) if tovrmlx3d "$world" 2>&1 >/dev/null | grep Warning; then status=1; fi ;;
    esac
  done
  xmllint --noout "$out/$name.x3d" || status=1
  gzip -dc "$out/$name.wrz" | cmp -s - "$out/$name.wrl" || { echo "$name.wrz is not $name.wrl"; status=1; }
done
if [ -n "$validator" ]; then
  $validator "$out"/*.glb || status=1
fi
exit $status
