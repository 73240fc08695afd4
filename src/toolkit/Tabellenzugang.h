#pragma once

// What a screen reader finds in a report list. Qt's own table interface gives the column headers no
// action, so sorting a list by a header would need a pointer; its classes cannot be extended from
// outside Qt. A list marked here is served by this program's own table interface instead, built on
// Qt's public accessibility API: the table with its selection, every cell with its text, its
// description and the states selected and focused (the current cell), and the column headers, each
// with a press action that does what a click on the header does.
//
// It serves lists without row headers, as RichteListenansichtEin makes them: the header cells are the
// table's first children, then the cells row by row, as Qt numbers them in its focus events.

class QTableView;

namespace velmora {

// Marks the list; call it before anything asks for the list's accessibility interface (in its
// constructor).
void MacheKoepfeBedienbar(QTableView& liste);

} // namespace velmora
