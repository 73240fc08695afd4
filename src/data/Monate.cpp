// The monthly files: one binary file per month holding that month's transactions.

#include "Basis.h"
#include "Binaer.h"
#include "Dateinamen.h"
#include "Monatsvorrat.h"
#include "Speicherstand.h"

#include <iterator>
#include <optional>
#include <unordered_map>

namespace velmora {

namespace {

constexpr int kMonatsVersion = 2;
constexpr size_t kKopfReserviert = 8 * 4 + 8 * 8;

void SchreibeTransaktion(BinaerSchreiber& s, const CInOut& t)
{
    s.Text(t.m_strAuftraggeber);
    s.Text(t.m_strEmpfaenger);
    s.Text(t.m_strNutzniesser);
    s.Text(t.m_strKategorie);
    s.Text(t.m_strUKategorie);
    s.Text(t.m_strKommentar);
    s.Int(t.m_nArt);
    s.Double(t.m_dBetrag);
    s.Int(t.m_nDatum);
    s.Int(t.m_nIndex);
    s.Int(t.m_nStatus);
    s.Int(t.m_nDauerAuftragNr);
}

} // namespace

std::string CBasis::MonatsDatei(int monat) const
{
    return MonatsDateiname(DateiPraefix(), monat);
}

CLoadedFiles* CBasis::GeladenerMonat(int monat)
{
    for (auto& datei : m_arrLoadedFiles) {
        if (datei->m_nMonat == monat)
            return datei.get();
    }
    return nullptr;
}

int CBasis::LadeMonat(int datum)
{
    const int monat = datum / 100;
    if (GeladenerMonat(monat))
        return 0;
    if (m_arrFamilien.empty())
        return -1;
    const std::string name = MonatsDatei(monat);
    if (m_strErsteDatei.empty())
        m_strErsteDatei = name;
    m_strLetzteDatei = name;
    // A restoring run reads a month from the recovery copy first; a month found there counts as changed.
    std::string pfad = m_strWiederherstellung.empty() ? std::string() : FindeMonatsDatei(m_strWiederherstellung, name);
    const int gerettet = pfad.empty() ? 0 : 1;
    if (pfad.empty())
        pfad = FindeMonatsDatei(m_strPfad, name);
    if (pfad.empty())
        return -1;
    std::optional<Monatsdatei> vorab = m_vorrat ? m_vorrat->Nimm(pfad) : std::nullopt;
    Monatsdatei datei = vorab ? std::move(*vorab) : LiesMonatsdatei(pfad);
    if (!datei.bGefunden)
        return -1;

    for (auto& t : datei.arrTransaktionen) {
        t->m_nIndex = m_naechsterIndex++;
        SenkeLoeschNr(t->m_nStatus);
    }
    m_arrInOut.insert(m_arrInOut.end(), std::make_move_iterator(datei.arrTransaktionen.begin()),
                      std::make_move_iterator(datei.arrTransaktionen.end()));
    if (datei.bAbgeschnitten)
        m_abgeschnitteneDateien.push_back(pfad);
    m_arrLoadedFiles.push_back(std::make_unique<CLoadedFiles>(CLoadedFiles{name, monat, gerettet}));
    return 0;
}

void CBasis::LadeMonateVoraus(int vonDatum, int bisDatum)
{
    if (m_arrFamilien.empty())
        return;
    std::vector<std::string> pfade;
    for (int monat = vonDatum / 100; monat <= bisDatum / 100; ++monat) {
        if (monat % 100 < 1 || monat % 100 > 12 || GeladenerMonat(monat))
            continue;
        // The path LadeMonat will find, UTF-8 or an earlier version's cp1252 name; none for a month without a file.
        const std::string pfad = FindeMonatsDatei(m_strPfad, MonatsDatei(monat));
        if (!pfad.empty())
            pfade.push_back(pfad);
    }
    m_vorrat = std::make_unique<Monatsvorrat>(std::move(pfade));
}

void CBasis::MonatGeaendert(int monat)
{
    if (CLoadedFiles* datei = GeladenerMonat(monat)) {
        datei->m_bGeaendert = 1;
        return;
    }
    if (LadeMonat(monat * 100) == 0) {
        m_arrLoadedFiles.back()->m_bGeaendert = 1;
        return;
    }
    m_arrLoadedFiles.push_back(std::make_unique<CLoadedFiles>(CLoadedFiles{MonatsDatei(monat), monat, 1}));
}

void CBasis::LadeAlleMonate()
{
    LadeMonate(ErsterMonatImBuch() * 100, m_nHeute);
}

void CBasis::LadeMonate(int vonDatum, int bisDatum)
{
    // Calendar months only: a key such as 200813 would name a file that cannot exist, and the settings
    // file would remember it as the last monthly file.
    for (int monat = vonDatum / 100; monat <= bisDatum / 100;
         monat = monat % 100 >= 12 ? (monat / 100 + 1) * 100 + 1 : monat + 1) {
        if (monat % 100 >= 1)
            LadeMonat(monat * 100);
    }
}

int CBasis::SpeichereMonate()
{
    Schreibfehler fehler;
    const int ergebnis = SchreibeDateien(GeaenderteMonate(), m_strPfad, fehler);
    m_nichtGeschriebeneDateien = std::move(fehler.nichtGeschrieben);
    m_schreibgeschuetzteDateien = std::move(fehler.schreibgeschuetzt);
    return ergebnis;
}

std::vector<Dateistand> CBasis::GeaenderteMonate()
{
    std::vector<Dateistand> monate;
    if (m_arrFamilien.empty())
        return monate;
    const std::string praefix = DateiPraefix();
    if (m_arrLoadedFiles.empty()) {
        const std::string name = MonatsDatei(m_nHeute / 100);
        if (m_strErsteDatei.empty())
            m_strErsteDatei = name;
        m_strLetzteDatei = name;
        m_arrLoadedFiles.push_back(std::make_unique<CLoadedFiles>(CLoadedFiles{name, m_nHeute / 100, 1}));
    }

    // One pass sorts the transactions to be written into their months, keeping list order.
    std::unordered_map<int, std::vector<const CInOut*>> proMonat;
    for (const auto& datei : m_arrLoadedFiles) {
        if (datei->m_bGeaendert)
            proMonat.try_emplace(datei->m_nMonat);
    }
    for (const auto& t : m_arrInOut) {
        if (t->m_nStatus <= kEndgueltigGeloescht)
            continue;
        auto it = proMonat.find(t->m_nDatum / 100);
        if (it != proMonat.end())
            it->second.push_back(t.get());
    }

    int erster = ZerlegeDateiname(m_strErsteDatei).nWert;
    for (const auto& datei : m_arrLoadedFiles) {
        std::string name = datei->m_strDatei;
        const NamensTeile teile = ZerlegeDateiname(name);
        if (teile.bUnterstrich && teile.strPraefix != praefix)
            name = praefix + "_" + teile.strNummer + ".vlm";
        if (teile.nWert < erster) {
            erster = teile.nWert;
            m_strErsteDatei = name;
        }
        if (!datei->m_bGeaendert)
            continue;
        const auto& transaktionen = proMonat[datei->m_nMonat];
        BinaerSchreiber s;
        s.Int(static_cast<int>(transaktionen.size()));
        s.Int(kMonatsVersion);
        s.Nullen(kKopfReserviert);
        for (const CInOut* t : transaktionen)
            SchreibeTransaktion(s, *t);
        monate.push_back({name, s.Bytes()});
    }
    return monate;
}

} // namespace velmora
