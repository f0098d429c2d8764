#pragma once
// DrawScale: the colour-scale bar right of the map and the two range
// brackets left of and below it, drawn on the page (0.01 mm, y upward, the
// map square at x 2300..12300, y 1535..11535). The numbers at the ends of
// the bar and the brackets belong to the title.
//
// Every run also rebuilds the level style tables for the settings
// (LevelStyles.h): the page composition runs it once before the map, which
// needs the tables, and once after, to draw the visible scale on top.
//
// What it draws, in order:
// - with a black pen of width 20 (which stays selected), the left bracket
//   (2115, 1535)-(1880, 1535)-(1880, 11535)-(2115, 11535) and the bottom
//   bracket (2300, 1350)-(2300, 1115)-(12300, 1115)-(12300, 1350);
// - for k = 0..bandCount-1, after building band k's style, the rectangle
//   x 13300..13700 from the bar's top (y 11535) down to
//   yk = round(11535 - (bandCount - k) x 10000 / bandCount) (halves to
//   even). Each rectangle paints over the upper part of the previous ones,
//   so what stays visible of rectangle k is band k's segment, band 0 at the
//   bottom. Pattern fill: a brush of pattern (bandCount - 1 - k) mod 48,
//   outlined by the bracket pen (so every segment boundary shows as a black
//   line); colour or grey fill: a solid brush of the band's colour with a
//   null pen (segments touch without outline). The brush, and the null pen,
//   are made for the rectangle and deleted after it.
// Then the reserved styles are built and the bracket pen deleted.

#include "render/LevelStyles.h"
#include "render/gdi/DeviceContext.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// settings must be SettingsForDrawing's (RenderSettings.h): the band count
// then lies within 2..1000.
void DrawScale(gdi::DeviceContext& hdc, const DrawParameters& parameters, LevelStyles& styles);

}  // namespace plotvane
