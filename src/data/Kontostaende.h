#pragma once

// The rows of the main window's balance list.

#include <string>
#include <vector>

namespace velmora {

class CBasis;

struct KontostandZeile
{
    std::string strName;   // "member, account"
    std::string strBetrag; // balance with "%5.2f"
    bool bNegativ = false;
    std::string strMonatsEnde; // the forecast balance at the end of the month, "%5.2f"
    bool bMonatsEndeNegativ = false;
    int nErstesMinus = 0; // the first day below zero within the forecast's horizon; 0 = none
};

// Every active account of every active member of the current family, in list order.
std::vector<KontostandZeile> Kontostaende(const CBasis& basis);

} // namespace velmora
