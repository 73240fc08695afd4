#pragma once

// How the program's report lists look and react: grid lines, whole rows chosen one at a time, no
// editing, no row numbers, 16-pixel icons, a vertical scroll bar always there, clickable headings.

class QTableView;

namespace velmora {

void RichteListenansichtEin(QTableView& liste);

} // namespace velmora
