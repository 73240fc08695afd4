#include "Auswahllisten.h"

#include "Basis.h"
#include "Text.h"

#include <memory>
#include <utility>

namespace velmora {

namespace {

void Zeile(OwnedList<TempList>& zeilen, std::string text)
{
    zeilen.push_back(std::make_unique<TempList>(TempList{std::move(text), 0}));
}

void FamilienKonten(const CFAMILY& familie, bool nurAktiveMitglieder, OwnedList<TempList>& zeilen)
{
    for (const auto& mitglied : familie.m_arrPersonen) {
        if (nurAktiveMitglieder && mitglied->m_nStatus <= 0)
            continue;
        for (const auto& konto : mitglied->m_arrKonten) {
            if (konto->m_nStatus > 0)
                Zeile(zeilen, Format("%s, %s", mitglied->m_strName.c_str(), konto->m_strName.c_str()));
        }
    }
}

void ZielKonten(const CBasis& basis, OwnedList<TempList>& zeilen)
{
    for (const auto& ziel : basis.m_arrZielKonten) {
        if (ziel->m_bGebucht > 0)
            Zeile(zeilen, ziel->m_strName);
    }
}

} // namespace

void FuelleAuswahl(CBasis& basis, Auswahlliste liste, int kategorieIndex)
{
    OwnedList<TempList>& zeilen = basis.m_arrTempListen[static_cast<size_t>(liste)];
    zeilen.clear();
    const CFAMILY* familie = basis.Familie();
    if (!familie)
        return;
    switch (liste) {
        case kZahlerListe:
            FamilienKonten(*familie, true, zeilen);
            ZielKonten(basis, zeilen);
            break;
        case kEmpfaengerListe:
            ZielKonten(basis, zeilen);
            FamilienKonten(*familie, false, zeilen);
            break;
        case kNutzniesserListe:
            Zeile(zeilen, basis.Deutsch() ? "Alle" : "All");
            for (const auto& mitglied : familie->m_arrPersonen) {
                if (mitglied->m_nStatus > 0)
                    Zeile(zeilen, mitglied->m_strName);
            }
            break;
        case kKategorieListe:
            for (const auto& kategorie : basis.m_arrKategorien) {
                if (kategorie->m_nKat0C > 0)
                    Zeile(zeilen, kategorie->m_strName);
            }
            break;
        case kUKategorieListe:
            if (kategorieIndex >= 0 && kategorieIndex < static_cast<int>(basis.m_arrKategorien.size())) {
                for (const auto& u : basis.m_arrKategorien[static_cast<size_t>(kategorieIndex)]->m_arrUKategorien) {
                    if (u->m_nKat0C > 0)
                        Zeile(zeilen, u->m_strName);
                }
            }
            break;
        case kAnzahlAuswahllisten:
            break;
    }
}

void FuelleKontenAuswahl(CBasis& basis, Auswahlliste liste)
{
    OwnedList<TempList>& zeilen = basis.m_arrTempListen[static_cast<size_t>(liste)];
    zeilen.clear();
    if (const CFAMILY* familie = basis.Familie()) {
        FamilienKonten(*familie, false, zeilen);
        ZielKonten(basis, zeilen);
    }
}

std::vector<std::string> AuswahlTexte(CBasis& basis, Auswahlliste liste, int kategorieIndex)
{
    OwnedList<TempList>& zeilen = basis.m_arrTempListen[static_cast<size_t>(liste)];
    OwnedList<TempList> gezeigt;
    gezeigt.swap(zeilen);
    FuelleAuswahl(basis, liste, kategorieIndex);
    std::vector<std::string> texte;
    texte.reserve(zeilen.size());
    for (const auto& zeile : zeilen)
        texte.push_back(zeile->m_strName);
    zeilen.swap(gezeigt);
    return texte;
}

void SortiereAuswahl(OwnedList<TempList>& zeilen, bool absteigend)
{
    // The exchange sort users know from these lists: row j moves before row i when it must come first.
    for (size_t i = 0; i + 1 < zeilen.size(); ++i) {
        for (size_t j = i + 1; j < zeilen.size(); ++j) {
            const int vergleich = VergleicheListenText(zeilen[j]->m_strName, zeilen[i]->m_strName);
            if (absteigend ? vergleich > 0 : vergleich < 0)
                std::swap(zeilen[i], zeilen[j]);
        }
    }
}

int ZeileMitText(const OwnedList<TempList>& zeilen, const std::string& text)
{
    for (size_t i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i]->m_strName == text)
            return static_cast<int>(i);
    }
    return -1;
}

int KategoriePosition(const CBasis& basis, const std::string& name)
{
    for (size_t i = 0; i < basis.m_arrKategorien.size(); ++i) {
        if (basis.m_arrKategorien[i]->m_strName == name)
            return static_cast<int>(i);
    }
    return -1;
}

bool BeginntMitMitglied(const CBasis& basis, const std::string& zeile)
{
    const CFAMILY* familie = basis.Familie();
    if (!familie)
        return false;
    for (const auto& mitglied : familie->m_arrPersonen) {
        if (!mitglied->m_strName.empty() && zeile.starts_with(mitglied->m_strName))
            return true;
    }
    return false;
}

const CInOut* VorlageFuer(const CBasis& basis, const std::string& empfaenger)
{
    for (const auto& vorlage : basis.m_arrVorlagen) {
        if (vorlage->m_strEmpfaenger == empfaenger)
            return vorlage.get();
    }
    return nullptr;
}

} // namespace velmora
