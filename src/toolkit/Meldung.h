#pragma once

// Message boxes of the program. Tests answer them through a hook instead of a person.

#include <QMessageBox>
#include <functional>

namespace velmora {

// Shows a modal message box and returns the button pressed.
QMessageBox::StandardButton Meldung(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel,
                                    const QString& text, QMessageBox::StandardButtons knoepfe = QMessageBox::Ok,
                                    QMessageBox::StandardButton vorgabe = QMessageBox::NoButton);

// While set, message boxes are not shown: the hook sees the text and answers in their place.
using MeldungsAntwort = std::function<QMessageBox::StandardButton(const QString& text)>;
void SetzeMeldungsAntwort(MeldungsAntwort antwort);

} // namespace velmora
