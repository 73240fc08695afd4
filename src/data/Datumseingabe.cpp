#include "Datumseingabe.h"

#include "Kalender.h"

#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr int kErstesJahr = 1900;
constexpr int kLetztesJahr = 2100;

struct Teil
{
    int nWert = 0;
    int nStellen = 0;
};

// Splits at the separators; false on any other character or an empty part between two separators.
bool Zerlege(std::string_view text, std::vector<Teil>& teile)
{
    Teil laufend;
    bool bTrenner = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (++laufend.nStellen > 4)
                return false;
            laufend.nWert = laufend.nWert * 10 + (c - '0');
        } else if (c == '.' || c == '/' || c == '-') {
            if (laufend.nStellen == 0)
                return false;
            teile.push_back(laufend);
            laufend = {};
            bTrenner = true;
        } else {
            return false;
        }
    }
    if (laufend.nStellen > 0)
        teile.push_back(laufend);
    else if (!bTrenner)
        return false;
    return true;
}

// "05032026" and "050326": two digits each for the first two parts, the rest is the year.
bool ZerlegeZiffern(std::string_view text, std::vector<Teil>& teile)
{
    if (text.size() != 6 && text.size() != 8)
        return false;
    for (size_t von : {size_t{0}, size_t{2}, size_t{4}}) {
        std::vector<Teil> eins;
        const size_t laenge = von == 4 ? text.size() - 4 : 2;
        if (!Zerlege(text.substr(von, laenge), eins) || eins.size() != 1)
            return false;
        teile.push_back(eins[0]);
    }
    return true;
}

int VollesJahr(const Teil& jahr, int nHeute)
{
    if (jahr.nStellen != 2)
        return jahr.nStellen == 4 ? jahr.nWert : 0;
    const int nGrenze = nHeute / 10000 + 20;
    int nJahr = nGrenze / 100 * 100 + jahr.nWert;
    if (nJahr > nGrenze)
        nJahr -= 100;
    return nJahr;
}

// Blanks around the text, and beside separators as the lists write dates (" 5. 3.2026"), say nothing.
std::string OhneLeer(std::string_view text)
{
    std::string ohne;
    for (const char c : text) {
        if (c != ' ')
            ohne += c;
    }
    const bool bTrenner = ohne.find_first_of("./-") != std::string::npos;
    const auto innen = text.find_first_not_of(' ');
    const bool bLueckeInZiffern =
        !bTrenner && innen != std::string_view::npos &&
        text.substr(innen, text.find_last_not_of(' ') - innen + 1).find(' ') != std::string_view::npos;
    return bLueckeInZiffern ? std::string(1, 'x') : ohne;
}

} // namespace

int LeseDatum(std::string_view text, bool bDeutsch, int nHeute)
{
    const std::string ohne = OhneLeer(text);
    text = ohne;
    std::vector<Teil> teile;
    const bool bNurZiffern = text.find_first_not_of("0123456789") == std::string_view::npos;
    if (!(bNurZiffern ? ZerlegeZiffern(text, teile) : Zerlege(text, teile)))
        return 0;
    if (teile.size() == 2)
        teile.push_back({nHeute / 10000, 4});
    if (teile.size() != 3)
        return 0;
    int nTag = 0, nMonat = 0, nJahr = 0;
    if (teile[0].nStellen == 4 && !bNurZiffern) {
        nJahr = teile[0].nWert;
        nMonat = teile[1].nWert;
        nTag = teile[2].nWert;
    } else {
        nTag = teile[bDeutsch ? 0 : 1].nWert;
        nMonat = teile[bDeutsch ? 1 : 0].nWert;
        nJahr = VollesJahr(teile[2], nHeute);
        if (teile[0].nStellen > 2 || teile[1].nStellen > 2)
            return 0;
    }
    if (nJahr < kErstesJahr || nJahr > kLetztesJahr || nMonat < 1 || nMonat > 12 || nTag < 1 ||
        nTag > TageImMonat(nJahr, nMonat))
        return 0;
    return nJahr * 10000 + nMonat * 100 + nTag;
}

} // namespace velmora
