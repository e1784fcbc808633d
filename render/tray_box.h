// The tray beside the table that collects the pocketed balls (stage 11 of
// the frame): an open brown box against the frame's outer side x = 885.
#pragma once

namespace quorvil {

void DrawTrayBox();

}  // namespace quorvil
