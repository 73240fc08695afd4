#include "Auszugsbau.h"

#include "Buchung.h"
#include "Gedaechtnisdatei.h"
#include "Text.h"

#include <cstdio>
#include <fstream>

#include <zip.h>

namespace velmora::test {

namespace {

std::string Partei(int version, const char* rolle, const std::string& name)
{
    const std::string nm = "<Nm>" + name + "</Nm>";
    return std::string("<") + rolle + ">" + (version >= 8 ? "<Pty>" + nm + "</Pty>" : nm) + "</" + rolle + ">";
}

std::string Konto(const char* rolle, const std::string& iban)
{
    return std::string("<") + rolle + "><Id><IBAN>" + iban + "</IBAN></Id></" + rolle + ">";
}

// The parties of a detail: the counterparty on its side, the owner on the other.
std::string Details(int version, const std::string& eigene, bool eingang, bool storno, const CamtDetail& d)
{
    const bool gegenIstGlaeubiger = eingang == storno;
    std::string x = "<TxDtls>";
    if (!d.strBetrag.empty())
        x += "<Amt Ccy=\"EUR\">" + d.strBetrag + "</Amt>";
    x += "<RltdPties>";
    x += Partei(version, "Dbtr", gegenIstGlaeubiger ? "Familie Meier" : d.strName);
    x += Konto("DbtrAcct", gegenIstGlaeubiger ? eigene : d.strIban);
    x += Partei(version, "Cdtr", gegenIstGlaeubiger ? d.strName : "Familie Meier");
    x += Konto("CdtrAcct", gegenIstGlaeubiger ? d.strIban : eigene);
    x += "</RltdPties>";
    if (!d.strZweck.empty())
        x += "<RmtInf><Ustrd>" + d.strZweck + "</Ustrd></RmtInf>";
    return x + "</TxDtls>";
}

} // namespace

std::string Camt(int version, const std::string& iban, const std::vector<CamtEintrag>& eintraege)
{
    std::string x =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.0" +
        std::to_string(version) + "\">\n<BkToCstmrStmt><GrpHdr><MsgId>1</MsgId></GrpHdr>\n<Stmt><Id>1</Id>" +
        "<Acct><Id><IBAN>" + iban + "</IBAN></Id></Acct>\n";
    for (const CamtEintrag& e : eintraege) {
        const bool eingang = e.strRichtung == "CRDT";
        x += "<Ntry>\n<Amt Ccy=\"EUR\">" + e.strBetrag + "</Amt><CdtDbtInd>" + e.strRichtung + "</CdtDbtInd>";
        if (e.bStorno)
            x += "<RvslInd>true</RvslInd>";
        x += version >= 8 ? "<Sts><Cd>" + e.strStatus + "</Cd></Sts>" : "<Sts>" + e.strStatus + "</Sts>";
        x += "<BookgDt><Dt>" + e.strDatum + "</Dt></BookgDt><ValDt><Dt>" + e.strDatum + "</Dt></ValDt>";
        if (!e.strReferenz.empty())
            x += "<AcctSvcrRef>" + e.strReferenz + "</AcctSvcrRef>";
        x += "\n<NtryDtls>";
        if (e.details.empty())
            x += Details(version, iban, eingang, e.bStorno, {"", e.strName, e.strIban, e.strZweck});
        for (const CamtDetail& d : e.details)
            x += "\n" + Details(version, iban, eingang, e.bStorno, d);
        x += "</NtryDtls>\n</Ntry>\n";
    }
    return x + "</Stmt>\n</BkToCstmrStmt>\n</Document>\n";
}

namespace {

void Kategorie(CBasis& b, const std::string& name, const std::vector<std::string>& unter)
{
    auto k = std::make_unique<CKategorie>();
    k->m_strName = name;
    k->m_nKat0C = 1;
    k->m_nKat14 = static_cast<int>(b.m_arrKategorien.size());
    for (const std::string& u : unter) {
        auto uk = std::make_unique<CUKategorie>();
        uk->m_strName = u;
        uk->m_nKat0C = 1;
        k->m_arrUKategorien.push_back(std::move(uk));
    }
    b.m_arrKategorien.push_back(std::move(k));
}

void Mitglied(CFAMILY& f, const std::string& name, double stand)
{
    auto p = std::make_unique<CPerson>();
    p->m_strName = name;
    p->m_nPerson24 = static_cast<int>(f.m_arrPersonen.size());
    auto k = std::make_unique<CKonto>();
    k->m_strName = "Giro";
    k->m_dStand = stand;
    p->m_arrKonten.push_back(std::move(k));
    f.m_arrPersonen.push_back(std::move(p));
}

} // namespace

Importhaushalt::Importhaushalt()
    : m_basis(std::make_unique<CBasis>())
{
    CBasis& b = *m_basis;
    b.m_strPfad = m_ordner.Pfad();
    b.m_nHeute = 20240315;
    b.m_nErsterMonat = 202401;
    auto familie = std::make_unique<CFAMILY>();
    familie->m_strName = "Meier";
    Mitglied(*familie, "Anna", 1000.0);
    Mitglied(*familie, "Bernd", 500.0);
    b.m_arrFamilien.push_back(std::move(familie));
    b.m_nFamilie = 0;
    for (const char* name : {"Supermarkt", "Arbeitgeber"}) {
        auto z = std::make_unique<CZIELKONTO>();
        z->m_strName = name;
        z->m_bGebucht = 1;
        b.m_arrZielKonten.push_back(std::move(z));
    }
    Kategorie(b, "Lebensmittel", {"Obst"});
    Kategorie(b, "Gehalt", {});
    Kategorie(b, "Wohnen", {"Strom"});
    BucheNeu(b, {"Anna, Giro", "Supermarkt", "Anna", "Lebensmittel", "Obst", "", 5.0, 20240210});
    BucheNeu(b, {"Arbeitgeber", "Anna, Giro", "Alle", "Gehalt", "", "", 2000.0, 20240201});
    // Back to the starting balances: the tests compare balances against them.
    b.Familie()->m_arrPersonen[0]->m_arrKonten[0]->m_dStand = 1000.0;
    m_gedaechtnis.konten[kIbanAnna] = "Anna, Giro";
    m_gedaechtnis.konten[kIbanBernd] = "Bernd, Giro";
    m_gedaechtnis.bGeladen = true;
}

std::string Importhaushalt::Datei(const std::string& name, const std::string& bytes) const
{
    const std::string pfad = m_ordner.Pfad() + "/" + name;
    std::ofstream(pfad, std::ios::binary) << bytes;
    return pfad;
}

void Importhaushalt::Hinterlege()
{
    for (auto& datei : m_basis->m_arrLoadedFiles)
        datei->m_bGeaendert = 1;
    m_basis->m_nLetzterAufruf = m_basis->m_nHeute;
    m_basis->SpeichereMonate();
    m_basis->SpeichereEinstellungen();
    m_gedaechtnis.bGeaendert = true;
    SpeichereGedaechtnis(Ordner(), m_gedaechtnis);
}

double Importhaushalt::Stand(const std::string& person) const
{
    for (const auto& p : m_basis->Familie()->m_arrPersonen) {
        if (p->m_strName == person)
            return p->m_arrKonten[0]->m_dStand;
    }
    return -1.0;
}

std::string Zeile(const Importvorschlag& v)
{
    const Buchungseingabe& e = v.eingabe;
    return Cp1252ZuUtf8(Format("%d|%.2f|%s|%s|%s|%s|%s|%s", e.nDatum, e.dBetrag, e.strZahler.c_str(),
                               e.strEmpfaenger.c_str(), e.strNutzniesser.c_str(), e.strKategorie.c_str(),
                               e.strUKategorie.c_str(), e.strKommentar.c_str())) +
           (v.bDuplikat ? " dup" : "") + (v.bAngehakt ? " ok" : "");
}

std::vector<std::string> Zeilen(const Importergebnis& ergebnis)
{
    std::vector<std::string> zeilen;
    for (const Importvorschlag& v : ergebnis.vorschlaege)
        zeilen.push_back(Zeile(v));
    return zeilen;
}

std::vector<std::string> Auszugszeilen(const Kontoauszug& auszug)
{
    std::vector<std::string> zeilen;
    for (const Auszugszeile& z : auszug.zeilen) {
        char betrag[32];
        std::snprintf(betrag, sizeof betrag, "%.2f", z.dBetrag);
        std::string zeile = std::to_string(z.nDatum) + "|" + betrag + "|" + Cp1252ZuUtf8(z.strName) + "|" +
                            Cp1252ZuUtf8(z.strZweck) + "|" + z.strIban;
        if (!z.strWaehrung.empty() || z.bStorno)
            zeile += "|" + z.strWaehrung;
        if (z.bStorno)
            zeile += "|storno";
        zeilen.push_back(zeile);
    }
    return zeilen;
}

void SchreibeZip(const std::string& pfad, const std::vector<std::pair<std::string, std::string>>& dateien)
{
    int fehler = 0;
    zip_t* archiv = zip_open(pfad.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    for (const auto& [name, bytes] : dateien) {
        zip_source_t* quelle = zip_source_buffer(archiv, bytes.data(), bytes.size(), 0);
        zip_file_add(archiv, name.c_str(), quelle, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archiv);
}

} // namespace velmora::test
