#pragma once

// Column widths of a list that fit the longest cell of each column: where the list has room, every
// column gets its longest cell and the room left is shared out in proportion; where it has not, the
// columns keep their fitting widths and the list scrolls sideways, so that no cell is cut.

#include <QStringList>

#include <vector>

class QTableView;

namespace velmora {

// The width the longest of the texts needs in the list's font, cell margins included.
int TextBreite(const QTableView& liste, const QStringList& texte);

// Sets the widths of the columns from erste on, given the width each needs; the columns before erste
// keep theirs and count as taken.
void PasseSpaltenAn(QTableView& liste, int erste, const std::vector<int>& benoetigt);

// Makes the list no taller than its header, its sideways scroll bar and as many whole rows as fit in
// its present height, so that the last row shown is never cut.
void ZeigeGanzeZeilen(QTableView& liste);

} // namespace velmora
