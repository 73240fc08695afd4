#pragma once

// The program-wide settings of the settings window: colours, password and the balloon-help switch.

#include <string>

namespace velmora {

class CBasis;

// A colour (0x00BBGGRR) with each channel scaled by the factor and truncated.
int DunklereFarbe(int colorref, double faktor);
// Sets the colour of income (0), expenses (1) or transfers (2) and its darker variant (3, 4, 5).
void SetzeFarbe(CBasis& basis, int eintrag, int colorref);
// The darker colour of income (0) or expenses (1) that the analyses draw the second year in. The stored
// variant unless it is so dark that it reads as black (as the first defaults were): then the colour
// darkened as the settings window darkens it, so that income and expenses stay apart at a glance.
int FarbeDesZweitenJahres(const CBasis& basis, int eintrag);

// What the two password fields say together.
enum class PasswortZustand
{
    kLeer,        // nothing typed: no state is shown
    kBestaetigen, // the fields differ
    kOk,          // the fields agree
};
PasswortZustand ZustandDerPasswortFelder(const std::string& passwort, const std::string& bestaetigung);

// While typing: the password holds only while both fields agree exactly and are not empty.
void PasswortEingegeben(CBasis& basis, const std::string& passwort, const std::string& bestaetigung);
// When the window closes: agreeing fields are taken, empty ones too.
void PasswortBeimSchliessen(CBasis& basis, const std::string& passwort, const std::string& bestaetigung);

// Inverts the balloon-help switch and answers the new value.
int SchalteTooltips(CBasis& basis);

} // namespace velmora
