// The settings file: everything of the store but the transactions, in one binary file per language.

#include "Basis.h"
#include "Binaer.h"
#include "Buchsprache.h"
#include "Dateinamen.h"
#include "Wiederherstellung.h"

namespace velmora {

namespace {

constexpr const char* kDateiDeutsch = "VLMBasic_D.ini";
constexpr const char* kDateiEnglisch = "VLMBasic_E.ini";

// Each reader appends its record once the record's own fields are read; nested records read before a
// cut stay with it.

bool LiesUKategorie(BinaerLeser& l, CKategorie& kategorie)
{
    auto u = std::make_unique<CUKategorie>();
    if (!(l.Text(u->m_strName) && l.Int(u->m_nAnzahl) && l.Int(u->m_nKat0C) && l.Int(u->m_bBenutzt) &&
          l.Int(u->m_nKat14)))
        return false;
    kategorie.m_arrUKategorien.push_back(std::move(u));
    return true;
}

bool LiesKategorie(BinaerLeser& l, OwnedList<CKategorie>& liste)
{
    auto k = std::make_unique<CKategorie>();
    int anzahl = 0;
    if (!(l.Text(k->m_strName) && l.Int(k->m_nAnzahl) && l.Int(k->m_nKat0C) && l.Int(k->m_bBenutzt) &&
          l.Int(k->m_nKat14) && l.Int(anzahl)))
        return false;
    CKategorie& kategorie = *liste.emplace_back(std::move(k));
    for (int i = 0; i < anzahl; ++i) {
        if (!LiesUKategorie(l, kategorie))
            return false;
    }
    return true;
}

bool LiesKonto(BinaerLeser& l, CPerson& person)
{
    auto k = std::make_unique<CKonto>();
    if (!(l.Text(k->m_strName) && l.Double(k->m_dStand) && l.Int(k->m_nAnzahl) && l.Int(k->m_nKonto14) &&
          l.Int(k->m_nStatus) && l.Int(k->m_nIndex)))
        return false;
    person.m_arrKonten.push_back(std::move(k));
    return true;
}

bool LiesPerson(BinaerLeser& l, CFAMILY& familie)
{
    auto p = std::make_unique<CPerson>();
    int anzahl = 0;
    if (!(l.Text(p->m_strName) && l.Int(p->m_nAnzahl) && l.Int(p->m_nStatus) && l.Int(p->m_nPerson24) && l.Int(anzahl)))
        return false;
    CPerson& person = *familie.m_arrPersonen.emplace_back(std::move(p));
    for (int i = 0; i < anzahl; ++i) {
        if (!LiesKonto(l, person))
            return false;
    }
    return true;
}

bool LiesFamilie(BinaerLeser& l, OwnedList<CFAMILY>& liste)
{
    auto f = std::make_unique<CFAMILY>();
    int anzahl = 0;
    if (!(l.Text(f->m_strName) && l.Int(anzahl)))
        return false;
    CFAMILY& familie = *liste.emplace_back(std::move(f));
    for (int i = 0; i < anzahl; ++i) {
        if (!LiesPerson(l, familie))
            return false;
    }
    return true;
}

bool LiesTermin(BinaerLeser& l, CDauerAuftrag& auftrag)
{
    auto t = std::make_unique<CTermin>();
    // On disk m_nMonatTag comes before m_strTermin3.
    if (!(l.Text(t->m_strTermin1) && l.Text(t->m_strTermin2) && l.Int(t->m_nTermin0C) && l.Int(t->m_nMonatTag) &&
          l.Text(t->m_strTermin3)))
        return false;
    auftrag.m_arrTermine.push_back(std::move(t));
    return true;
}

bool LiesDauerAuftrag(BinaerLeser& l, int version, OwnedList<CDauerAuftrag>& liste)
{
    auto a = std::make_unique<CDauerAuftrag>();
    bool ok = l.Text(a->m_strAuftraggeber) && l.Text(a->m_strEmpfaenger) && l.Text(a->m_strNutzniesser) &&
              l.Text(a->m_strKategorie) && l.Text(a->m_strUKategorie) && l.Text(a->m_strKommentar) &&
              l.Text(a->m_strZyklus) && l.Double(a->m_dBetrag) && l.Int(a->m_nArt) && l.Int(a->m_nZyklus) &&
              l.Int(a->m_nStatus) && l.Int(a->m_nBeginn) && l.Int(a->m_nEnde) && l.Int(a->m_n3C) && l.Int(a->m_n40) &&
              l.Int(a->m_nNr);
    if (ok && version > 4)
        ok = l.Int(a->m_n48);
    int anzahl = 0;
    if (!(ok && l.Int(anzahl)))
        return false;
    CDauerAuftrag& auftrag = *liste.emplace_back(std::move(a));
    for (int i = 0; i < anzahl; ++i) {
        if (!LiesTermin(l, auftrag))
            return false;
    }
    return true;
}

bool LiesZielKonto(BinaerLeser& l, OwnedList<CZIELKONTO>& liste)
{
    auto z = std::make_unique<CZIELKONTO>();
    if (!(l.Text(z->m_strName) && l.Int(z->m_nAnzahl) && l.Int(z->m_bGebucht) && l.Int(z->m_bBenutzt) &&
          l.Int(z->m_nZiel14)))
        return false;
    liste.push_back(std::move(z));
    return true;
}

bool LiesVorlage(BinaerLeser& l, OwnedList<CInOut>& liste)
{
    auto v = std::make_unique<CInOut>();
    if (!(l.Text(v->m_strEmpfaenger) && l.Text(v->m_strNutzniesser) && l.Text(v->m_strKategorie) &&
          l.Text(v->m_strUKategorie)))
        return false;
    liste.push_back(std::move(v));
    return true;
}

} // namespace

int CBasis::LadeEinstellungen()
{
    m_nSprache = 0;
    // A restoring run reads the settings of the recovery copy when it holds them.
    const std::string& ordner = !m_strWiederherstellung.empty() && HatEinstellungen(m_strWiederherstellung)
                                    ? m_strWiederherstellung
                                    : m_strPfad;
    std::string pfad = DateiPfad(ordner, kDateiDeutsch);
    int sprache = kDeutsch;
    if (!DateiExistiert(pfad)) {
        pfad = DateiPfad(ordner, kDateiEnglisch);
        sprache = kEnglisch;
        if (!DateiExistiert(pfad))
            return -1;
    }
    m_nSprache = sprache;
    std::string bytes;
    if (!LeseDatei(pfad, bytes))
        return -1;
    BinaerLeser leser(bytes);
    LiesEinstellungen(leser);
    if (leser.Abgeschnitten())
        m_abgeschnitteneDateien.push_back(pfad);
    if (!m_arrFamilien.empty())
        m_nFamilie = 0;
    SenkeLoeschNrNachEinstellungen();
    return 0;
}

void CBasis::LiesEinstellungen(BinaerLeser& l)
{
    int kategorien = 0, familien = 0, version = 0, sprache = 0, reserviert = 0;
    if (!(l.Int(kategorien) && l.Int(familien) && l.Int(version)))
        return;
    m_nVersion = version;
    if (!(l.Int(sprache) && l.Int(m_bTooltips) && l.Int(reserviert) && l.Int(m_nLetzterAufruf) &&
          l.Int(m_nLetzteZeit) && l.Text(m_strErsteDatei) && l.Text(m_strLetzteDatei)))
        return;
    if (version > 2 && !l.Text(m_strPasswort))
        return;
    for (int& farbe : m_aFarben) {
        if (!l.Int(farbe))
            return;
    }
    if (!(l.Int(m_nErsterMonat) && l.Int(m_nZaehler) && l.Ueberspringe(15 * 8)))
        return;
    for (int i = 0; i < kategorien; ++i) {
        if (!LiesKategorie(l, m_arrKategorien))
            return;
    }
    for (int i = 0; i < familien; ++i) {
        if (!LiesFamilie(l, m_arrFamilien))
            return;
    }
    int anzahl = 0;
    if (!l.Int(anzahl))
        return;
    for (int i = 0; i < anzahl; ++i) {
        if (!LiesDauerAuftrag(l, version, m_arrDauerAuftraege))
            return;
    }
    if (!l.Int(anzahl))
        return;
    for (int i = 0; i < anzahl; ++i) {
        if (!LiesZielKonto(l, m_arrZielKonten))
            return;
    }
    if (version <= 3 || !l.Int(anzahl))
        return;
    for (int i = 0; i < anzahl; ++i) {
        if (!LiesVorlage(l, m_arrVorlagen))
            return;
    }
}

int CBasis::SpeichereEinstellungen()
{
    return SchreibeDateiSicher(EinstellungsPfad(), EinstellungsBytes()) ? 0 : -1;
}

std::string CBasis::EinstellungsBytes(int version)
{
    const std::string praefix = DateiPraefix();
    const NamensTeile erste = ZerlegeDateiname(m_strErsteDatei);
    if (erste.bUnterstrich && erste.strPraefix != praefix)
        m_strErsteDatei = praefix + "_" + erste.strNummer + ".vlm";
    const NamensTeile letzte = ZerlegeDateiname(m_strLetzteDatei);
    if (letzte.bUnterstrich && letzte.strPraefix != praefix)
        m_strLetzteDatei = praefix + "_" + letzte.strNummer + ".vlm";

    BinaerSchreiber s;
    s.Int(static_cast<int>(m_arrKategorien.size()));
    s.Int(static_cast<int>(m_arrFamilien.size()));
    s.Int(version);
    s.Int(m_nSprache);
    s.Int(m_bTooltips);
    s.Int(0);
    s.Int(m_nHeute);
    s.Int(m_nJetzt);
    s.Text(m_strErsteDatei);
    s.Text(m_strLetzteDatei);
    if (version > 2)
        s.Text(m_strPasswort);
    for (int farbe : m_aFarben)
        s.Int(farbe);
    s.Int(erste.nWert);
    s.Int(m_nZaehler);
    s.Nullen(15 * 8);
    for (const auto& k : m_arrKategorien) {
        s.Text(k->m_strName);
        s.Int(k->m_nAnzahl);
        s.Int(k->m_nKat0C);
        s.Int(k->m_bBenutzt);
        s.Int(k->m_nKat14);
        s.Int(static_cast<int>(k->m_arrUKategorien.size()));
        for (const auto& u : k->m_arrUKategorien) {
            s.Text(u->m_strName);
            s.Int(u->m_nAnzahl);
            s.Int(u->m_nKat0C);
            s.Int(u->m_bBenutzt);
            s.Int(u->m_nKat14);
        }
    }
    for (const auto& f : m_arrFamilien) {
        s.Text(f->m_strName);
        s.Int(static_cast<int>(f->m_arrPersonen.size()));
        for (const auto& p : f->m_arrPersonen) {
            s.Text(p->m_strName);
            s.Int(p->m_nAnzahl);
            s.Int(p->m_nStatus);
            s.Int(p->m_nPerson24);
            s.Int(static_cast<int>(p->m_arrKonten.size()));
            for (const auto& k : p->m_arrKonten) {
                s.Text(k->m_strName);
                s.Double(k->m_dStand);
                s.Int(k->m_nAnzahl);
                s.Int(k->m_nKonto14);
                s.Int(k->m_nStatus);
                s.Int(k->m_nIndex);
            }
        }
    }
    s.Int(static_cast<int>(m_arrDauerAuftraege.size()));
    for (const auto& a : m_arrDauerAuftraege) {
        for (const std::string* text : {&a->m_strAuftraggeber, &a->m_strEmpfaenger, &a->m_strNutzniesser,
                                        &a->m_strKategorie, &a->m_strUKategorie, &a->m_strKommentar, &a->m_strZyklus})
            s.Text(*text);
        s.Double(a->m_dBetrag);
        for (int zahl : {a->m_nArt, a->m_nZyklus, a->m_nStatus, a->m_nBeginn, a->m_nEnde, a->m_n3C, a->m_n40, a->m_nNr})
            s.Int(zahl);
        if (version > 4)
            s.Int(a->m_n48);
        s.Int(static_cast<int>(a->m_arrTermine.size()));
        for (const auto& t : a->m_arrTermine) {
            s.Text(t->m_strTermin1);
            s.Text(t->m_strTermin2);
            s.Int(t->m_nTermin0C);
            s.Int(t->m_nMonatTag);
            s.Text(t->m_strTermin3);
        }
    }
    s.Int(static_cast<int>(m_arrZielKonten.size()));
    for (const auto& z : m_arrZielKonten) {
        s.Text(z->m_strName);
        s.Int(z->m_nAnzahl);
        s.Int(z->m_bGebucht);
        s.Int(z->m_bBenutzt);
        s.Int(z->m_nZiel14);
    }
    if (version <= 3)
        return s.Bytes();
    s.Int(static_cast<int>(m_arrVorlagen.size()));
    for (const auto& v : m_arrVorlagen) {
        s.Text(v->m_strEmpfaenger);
        s.Text(v->m_strNutzniesser);
        s.Text(v->m_strKategorie);
        s.Text(v->m_strUKategorie);
    }
    return s.Bytes();
}

std::string CBasis::EinstellungsName() const
{
    return m_nSprache == kDeutsch ? kDateiDeutsch : kDateiEnglisch;
}

std::string CBasis::EinstellungsPfad() const
{
    return DateiPfad(m_strPfad, EinstellungsName());
}

bool HatEinstellungen(const std::string& ordner)
{
    return !EinstellungsDatei(ordner).empty();
}

std::string EinstellungsDatei(const std::string& ordner)
{
    for (const char* name : {kDateiDeutsch, kDateiEnglisch}) {
        if (DateiExistiert(DateiPfad(ordner, name)))
            return DateiPfad(ordner, name);
    }
    return {};
}

int SpracheDesBuchs(const std::string& ordner)
{
    // A book never saved lives only in the recovery copy of its first run.
    for (const std::string& o : {ordner, WiederherstellungsPfad(ordner)}) {
        const std::string datei = EinstellungsDatei(o);
        if (!datei.empty())
            return datei == DateiPfad(o, kDateiDeutsch) ? kDeutsch : kEnglisch;
    }
    return 0;
}

} // namespace velmora
