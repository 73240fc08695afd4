#include "Json.h"

#include "Basis.h"
#include "Text.h"

#include <ostream>

namespace velmora {

namespace {

std::string Text(const std::string& cp1252)
{
    return Cp1252ZuUtf8(cp1252);
}

template<class T>
Json Liste(const OwnedList<T>& liste)
{
    Json ergebnis = Json::array();
    for (const auto& eintrag : liste)
        ergebnis.push_back(AlsJson(*eintrag));
    return ergebnis;
}

// Every store text converts to valid UTF-8, so replacing never happens; it only keeps dump() from throwing.
std::string Ausgabe(const Json& wert)
{
    return wert.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Writes the members of one object one after the other; lists are written element by element.
class ObjektSchreiber final
{
public:
    explicit ObjektSchreiber(std::ostream& aus)
        : m_aus(aus)
    {
        m_aus << '{';
    }
    ~ObjektSchreiber() { m_aus << '}'; }

    void Feld(const char* name, const Json& wert)
    {
        Name(name);
        m_aus << Ausgabe(wert);
    }

    template<class T>
    void Liste(const char* name, const OwnedList<T>& liste)
    {
        Name(name);
        m_aus << '[';
        for (size_t i = 0; i < liste.size(); ++i) {
            if (i > 0)
                m_aus << ',';
            m_aus << Ausgabe(AlsJson(*liste[i]));
        }
        m_aus << ']';
    }

private:
    void Name(const char* name)
    {
        if (!m_erstes)
            m_aus << ',';
        m_erstes = false;
        m_aus << Ausgabe(Json(name)) << ':';
    }

    std::ostream& m_aus;
    bool m_erstes = true;
};

} // namespace

Json AlsJson(const CInOut& t)
{
    return {{"m_strAuftraggeber", Text(t.m_strAuftraggeber)},
            {"m_strEmpfaenger", Text(t.m_strEmpfaenger)},
            {"m_strNutzniesser", Text(t.m_strNutzniesser)},
            {"m_strKategorie", Text(t.m_strKategorie)},
            {"m_strUKategorie", Text(t.m_strUKategorie)},
            {"m_strKommentar", Text(t.m_strKommentar)},
            {"m_nArt", t.m_nArt},
            {"m_dBetrag", t.m_dBetrag},
            {"m_nDatum", t.m_nDatum},
            {"m_nIndex", t.m_nIndex},
            {"m_nStatus", t.m_nStatus},
            {"m_nDauerAuftragNr", t.m_nDauerAuftragNr}};
}

Json AlsJson(const CTermin& t)
{
    return {{"m_strTermin1", Text(t.m_strTermin1)},
            {"m_strTermin2", Text(t.m_strTermin2)},
            {"m_nTermin0C", t.m_nTermin0C},
            {"m_strTermin3", Text(t.m_strTermin3)},
            {"m_nMonatTag", t.m_nMonatTag}};
}

Json AlsJson(const CDauerAuftrag& a)
{
    return {{"m_strAuftraggeber", Text(a.m_strAuftraggeber)},
            {"m_strEmpfaenger", Text(a.m_strEmpfaenger)},
            {"m_strNutzniesser", Text(a.m_strNutzniesser)},
            {"m_strKategorie", Text(a.m_strKategorie)},
            {"m_strUKategorie", Text(a.m_strUKategorie)},
            {"m_strKommentar", Text(a.m_strKommentar)},
            {"m_strZyklus", Text(a.m_strZyklus)},
            {"m_dBetrag", a.m_dBetrag},
            {"m_nArt", a.m_nArt},
            {"m_nZyklus", a.m_nZyklus},
            {"m_nStatus", a.m_nStatus},
            {"m_nBeginn", a.m_nBeginn},
            {"m_nEnde", a.m_nEnde},
            {"m_n3C", a.m_n3C},
            {"m_n40", a.m_n40},
            {"m_nNr", a.m_nNr},
            {"m_n48", a.m_n48},
            {"m_arrTermine", Liste(a.m_arrTermine)}};
}

Json AlsJson(const CKonto& k)
{
    return {{"m_strName", Text(k.m_strName)}, {"m_dStand", k.m_dStand},   {"m_nAnzahl", k.m_nAnzahl},
            {"m_nKonto14", k.m_nKonto14},     {"m_nStatus", k.m_nStatus}, {"m_nIndex", k.m_nIndex}};
}

Json AlsJson(const CPerson& p)
{
    return {{"m_arrKonten", Liste(p.m_arrKonten)},
            {"m_strName", Text(p.m_strName)},
            {"m_nAnzahl", p.m_nAnzahl},
            {"m_nStatus", p.m_nStatus},
            {"m_nPerson24", p.m_nPerson24}};
}

Json AlsJson(const CFAMILY& f)
{
    return {{"m_strName", Text(f.m_strName)}, {"m_arrPersonen", Liste(f.m_arrPersonen)}};
}

Json AlsJson(const CZIELKONTO& z)
{
    return {{"m_strName", Text(z.m_strName)},
            {"m_nAnzahl", z.m_nAnzahl},
            {"m_bGebucht", z.m_bGebucht},
            {"m_bBenutzt", z.m_bBenutzt},
            {"m_nZiel14", z.m_nZiel14}};
}

Json AlsJson(const CUKategorie& u)
{
    return {{"m_strName", Text(u.m_strName)}, {"m_nAnzahl", u.m_nAnzahl}, {"m_nKat0C", u.m_nKat0C},
            {"m_bBenutzt", u.m_bBenutzt},     {"m_nKat14", u.m_nKat14},   {"m_dSumme1", u.m_dSumme1},
            {"m_dSumme2", u.m_dSumme2},       {"m_dSumme3", u.m_dSumme3}, {"m_dSumme4", u.m_dSumme4},
            {"m_dSumme5", u.m_dSumme5},       {"m_dSumme6", u.m_dSumme6}, {"m_nKat48", u.m_nKat48}};
}

Json AlsJson(const CKategorie& k)
{
    Json ergebnis = AlsJson(static_cast<const CUKategorie&>(k));
    ergebnis["m_arrUKategorien"] = Liste(k.m_arrUKategorien);
    return ergebnis;
}

Json AlsJson(const CLoadedFiles& d)
{
    return {{"m_strDatei", Text(d.m_strDatei)}, {"m_nMonat", d.m_nMonat}, {"m_bGeaendert", d.m_bGeaendert}};
}

void SchreibeJson(std::ostream& aus, const CBasis& b)
{
    ObjektSchreiber o(aus);
    o.Liste("m_arrKategorien", b.m_arrKategorien);
    o.Liste("m_arrFamilien", b.m_arrFamilien);
    o.Liste("m_arrZielKonten", b.m_arrZielKonten);
    o.Liste("m_arrInOut", b.m_arrInOut);
    o.Liste("m_arrDauerAuftraege", b.m_arrDauerAuftraege);
    o.Liste("m_arrLoadedFiles", b.m_arrLoadedFiles);
    o.Liste("m_arrVorlagen", b.m_arrVorlagen);
    o.Feld("m_nFamilie", b.m_nFamilie);
    o.Feld("m_nVersion", b.m_nVersion);
    o.Feld("m_nSprache", b.m_nSprache);
    o.Feld("m_bTooltips", b.m_bTooltips);
    o.Feld("m_nZaehler", b.m_nZaehler);
    o.Feld("m_strErsteDatei", Text(b.m_strErsteDatei));
    o.Feld("m_strLetzteDatei", Text(b.m_strLetzteDatei));
    o.Feld("m_nErsterMonat", b.m_nErsterMonat);
    o.Feld("m_nLoeschNr", b.m_nLoeschNr);
    o.Feld("m_nLetzterAufruf", b.m_nLetzterAufruf);
    o.Feld("m_nLetzteZeit", b.m_nLetzteZeit);
    o.Feld("m_nHeute", b.m_nHeute);
    o.Feld("m_nJetzt", b.m_nJetzt);
    o.Feld("m_nVonDatum", b.m_nVonDatum);
    o.Feld("m_nBisDatum", b.m_nBisDatum);
    // The data folder is a file-system path, not cp1252 text.
    o.Feld("m_strPfad", b.m_strPfad);
    o.Feld("m_aFarben", b.m_aFarben);
    o.Feld("m_dFarbFaktor", b.m_dFarbFaktor);
    o.Feld("m_strPasswort", Text(b.m_strPasswort));
}

} // namespace velmora
