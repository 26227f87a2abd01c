#!/usr/bin/env bash
# Draws the two pictures of the holder-layout question (the top of a waybill with an
# ordinary holder field, and one with a double-height holder field). Run once by hand;
# the PNG files are kept beside this script.
set -euo pipefail
cd "$(dirname "$0")"
F=Liberation-Sans
FB=Liberation-Sans-Bold

dibujar() { # archivo alto_titular lineas_de_nombre...
  local archivo=$1 alto=$2; shift 2
  local y0=92 y1=$((92 + alto))
  local args=(-size 320x210 xc:white -stroke black -strokewidth 1 -fill none
    -draw "rectangle 4,4 315,205"
    -draw "rectangle 4,4 315,40"
    -draw "line 210,44 210,86"
    -draw "rectangle 4,${y0} 315,${y1}"
    -draw "rectangle 4,$((y1 + 6)) 315,$((y1 + 28))"
    -draw "rectangle 4,$((y1 + 34)) 315,$((y1 + 56))"
    -stroke none -fill black
    -font "$FB" -pointsize 9 -annotate +14+19 "CARTA DE PORTE PARA EL TRANSPORTE"
    -annotate +14+33 "AUTOMOTOR DE GRANOS"
    -font "$F" -pointsize 8 -annotate +14+58 "Nro. C.T.G.:" -annotate +14+74 "Fecha de carga:"
    -annotate +216+58 "C.E.E. Nro.:"
    -annotate +10+$((y0 + 12)) "Titular de la Carta de Porte:"
    -annotate +10+$((y1 + 19)) "Intermediario:"
    -annotate +10+$((y1 + 47)) "Remitente Comercial:")
  # barcode stripes in the top right
  local x=246
  for w in 2 1 3 1 1 2 2 1 3 2 1 1 2 3 1; do
    args+=(-draw "rectangle $x,10 $((x + w - 1)),34"); x=$((x + w + 2))
  done
  local y=$((y0 + 24))
  args+=(-font "$FB" -pointsize 9)
  for linea in "$@"; do args+=(-annotate +10+$y "$linea"); y=$((y + 13)); done
  convert "${args[@]}" -strip "$archivo"
}

dibujar titular_normal.png 30 "AGROPECUARIA LOS ALAMOS S.A."
# The double-height field is drawn marked in red, as the question points at it.
dibujar titular_doble_altura.png 46 "COOPERATIVA AGRICOLA GANADERA Y DE CONSUMO" "DEL SUDESTE BONAERENSE LIMITADA"
convert titular_doble_altura.png -fill none -stroke red -strokewidth 2 -draw "rectangle 2,90 317,140" titular_doble_altura.png
