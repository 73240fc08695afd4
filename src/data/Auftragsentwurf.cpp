#include "Auftragsentwurf.h"

#include "Auftragslauf.h"
#include "Basis.h"
#include "Kalender.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace velmora {

namespace {

constexpr std::array<const char*, 7> kWochentageDe = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                                      "Freitag", "Samstag",  "Sonntag"};
constexpr std::array<const char*, 7> kWochentageEn = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                      "Friday", "Saturday", "Sunday"};

int MonatsNummer(const CBasis& basis, const std::string& name)
{
    for (const auto* namen : {&basis.m_astrMonateD, &basis.m_astrMonateE}) {
        for (int monat = 1; monat <= 12; ++monat) {
            if ((*namen)[static_cast<size_t>(monat)] == name)
                return monat;
        }
    }
    return 0;
}

bool IstVorhanden(const CBasis& basis, const CDauerAuftrag* auftrag)
{
    return std::any_of(basis.m_arrDauerAuftraege.begin(), basis.m_arrDauerAuftraege.end(),
                       [auftrag](const auto& a) { return a.get() == auftrag; });
}

// Two orders with one number would hide each other's transactions from the duplicate check, so a new
// order's number must be one that no order and no transaction of any month carries.
int NeueNummer(CBasis& basis, int index)
{
    // A book without a first month has no monthly file before today's.
    if (basis.m_nErsterMonat != 0)
        basis.LadeAlleMonate();
    bool vergeben = false;
    int hoechste = index;
    for (const auto& a : basis.m_arrDauerAuftraege) {
        vergeben = vergeben || a->m_nNr == index;
        hoechste = std::max(hoechste, a->m_nNr);
    }
    for (const auto& t : basis.m_arrInOut) {
        vergeben = vergeben || t->m_nDauerAuftragNr == index;
        hoechste = std::max(hoechste, t->m_nDauerAuftragNr);
    }
    return vergeben ? hoechste + 1 : index;
}

} // namespace

const char* Wochentagsname(int wochentag, bool deutsch)
{
    const size_t i = static_cast<size_t>(std::clamp(wochentag, 1, 7) - 1);
    return deutsch ? kWochentageDe[i] : kWochentageEn[i];
}

std::string ZyklusBeschreibung(int zyklus, bool deutsch)
{
    if (zyklus > 50)
        return Format(deutsch ? "jeden %s" : "every %s", Wochentagsname(zyklus - 50, deutsch));
    if (zyklus > 0)
        return Format(deutsch ? "monatlich, jeden %d." : "monthly, every %d.", zyklus);
    return deutsch ? "Sondertermine" : "Different Dates";
}

std::string TagesText(int tag)
{
    return Format("%2d.", tag);
}

Auftragsentwurf::Auftragsentwurf(bool deutsch, int beginn)
    : m_nBeginn(beginn)
    , m_bDeutsch(deutsch)
{
    m_strZyklus = ZyklusBeschreibung(m_nZyklus, m_bDeutsch);
}

void Auftragsentwurf::Lade(const CDauerAuftrag& auftrag)
{
    m_nAktiv = auftrag.m_nStatus;
    m_strZyklus = auftrag.m_strZyklus;
    m_nBeginn = auftrag.m_nBeginn;
    m_nEnde = auftrag.m_nEnde;
    m_nZyklus = auftrag.m_nZyklus;
    m_nMonatsTag = 1;
    m_nWochentag = 1;
    if (m_nZyklus == 0) {
        m_nZyklusArt = kTermine;
    } else if (m_nZyklus > 0 && m_nZyklus < 35) {
        m_nZyklusArt = kMonatlich;
        m_nMonatsTag = m_nZyklus;
    } else if (m_nZyklus > 50) {
        m_nZyklusArt = kWoechentlich;
        m_nWochentag = m_nZyklus - 50;
    }
    m_arrTermine.clear();
    for (const auto& termin : auftrag.m_arrTermine)
        m_arrTermine.push_back(std::make_unique<CTermin>(*termin));
}

void Auftragsentwurf::WaehleMonatlich()
{
    m_nZyklusArt = kMonatlich;
    m_nZyklus = m_nMonatsTag;
    m_strZyklus = ZyklusBeschreibung(m_nZyklus, m_bDeutsch);
}

void Auftragsentwurf::SetzeMonatsTag(int tag)
{
    m_nMonatsTag = tag;
    WaehleMonatlich();
}

void Auftragsentwurf::WaehleWoechentlich()
{
    m_nZyklusArt = kWoechentlich;
    m_nZyklus = 50 + m_nWochentag;
    m_strZyklus = ZyklusBeschreibung(m_nZyklus, m_bDeutsch);
}

void Auftragsentwurf::SetzeWochentag(int wochentag)
{
    m_nWochentag = wochentag;
    WaehleWoechentlich();
}

void Auftragsentwurf::WaehleTermine()
{
    m_nZyklusArt = kTermine;
    m_nZyklus = 0;
    m_strZyklus = ZyklusBeschreibung(0, m_bDeutsch);
}

bool Auftragsentwurf::TerminVorhanden(const std::string& tag, const std::string& monat) const
{
    return std::any_of(m_arrTermine.begin(), m_arrTermine.end(),
                       [&](const auto& t) { return t->m_strTermin1 == tag && t->m_strTermin2 == monat; });
}

void Auftragsentwurf::FuegeTerminHinzu(const CBasis& basis, const std::string& tag, const std::string& monat)
{
    WaehleTermine();
    auto termin = std::make_unique<CTermin>();
    termin->m_strTermin1 = tag;
    termin->m_strTermin2 = monat;
    termin->m_nMonatTag = MonatsNummer(basis, monat) * 100 + std::atoi(tag.c_str());
    m_arrTermine.push_back(std::move(termin));
}

void Auftragsentwurf::EntferneTermin(int zeile)
{
    WaehleTermine();
    if (zeile >= 0 && zeile < static_cast<int>(m_arrTermine.size()))
        m_arrTermine.erase(m_arrTermine.begin() + zeile);
}

CDauerAuftrag* OffenerDauerAuftrag(CBasis& basis, int nr)
{
    for (auto& a : basis.m_arrDauerAuftraege) {
        if (a->m_n48 > 0 && a->m_nNr == nr)
            return a.get();
    }
    return nullptr;
}

Auftragsergebnis SpeichereDauerAuftrag(CBasis& basis, const Buchungseingabe& eingabe, const Auftragsentwurf& entwurf,
                                       CDauerAuftrag*& auftrag)
{
    if (auftrag && (!IstVorhanden(basis, auftrag) || auftrag->m_n48 <= 0))
        return Auftragsergebnis::kGeloescht;
    if (!(eingabe.dBetrag > 0.0))
        return Auftragsergebnis::kKeinBetrag;
    const bool neu = !auftrag;
    if (neu) {
        const int nummer = NeueNummer(basis, static_cast<int>(basis.m_arrDauerAuftraege.size()));
        auftrag = basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>()).get();
        auftrag->m_nNr = nummer;
    }
    CDauerAuftrag& a = *auftrag;
    const auto [zahler, empfaenger] = UebernimmFormular(basis, a, eingabe);
    a.m_nStatus = entwurf.m_nAktiv;
    a.m_n48 = 1;
    a.m_nBeginn = entwurf.m_nBeginn;
    a.m_nEnde = entwurf.m_nEnde;
    if (zahler.bFamilie && empfaenger.bFamilie)
        a.m_nArt = 2;
    else if (zahler.bFamilie)
        a.m_nArt = 1;
    else if (empfaenger.bFamilie)
        a.m_nArt = 0;
    a.m_nZyklus = entwurf.m_nZyklus;
    a.m_strZyklus = entwurf.m_strZyklus;
    a.m_arrTermine.clear();
    for (const auto& termin : entwurf.m_arrTermine)
        a.m_arrTermine.push_back(std::make_unique<CTermin>(*termin));
    FuehreGespeichertenAuftragAus(basis, a, neu);
    return Auftragsergebnis::kGespeichert;
}

int FuehreGespeichertenAuftragAus(CBasis& basis, CDauerAuftrag& auftrag, bool neu)
{
    // A new order that begins in the past books what has fallen due at once. A changed one has served
    // its days up to its newest booking under its old cycle: a new day, amount or first date must not
    // book any of them again. The other orders were caught up at start-up and are left alone.
    if (neu)
        return FuehreAlleinAus(basis, auftrag, auftrag.m_nBeginn);
    basis.LadeMonate(std::max(auftrag.m_nBeginn, basis.ErsterMonatImBuch() * 100 + 1), basis.m_nHeute);
    const int letzte = LetzteAusfuehrung(basis, auftrag.m_nNr);
    const int start = letzte == 0 ? auftrag.m_nBeginn : std::max(auftrag.m_nBeginn, NaechsterTag(letzte));
    return FuehreAlleinAus(basis, auftrag, start);
}

} // namespace velmora
