#include "Kategorienverwaltung.h"

#include "Basis.h"

namespace velmora {

namespace {

// Categories and sub-categories follow the same rules; each command is written once for both.
struct Ebene
{
    Feld feld;
    int nFilterArt;
};

constexpr Ebene kKategorien{Feld::kKategorie, kFilterKategorie};
constexpr Ebene kUKategorien{Feld::kUKategorie, kFilterUKategorie};

template<class T>
T* Eintrag(OwnedList<T>& liste, int index)
{
    if (index < 0 || index >= static_cast<int>(liste.size()))
        return nullptr;
    return liste[static_cast<size_t>(index)].get();
}

OwnedList<CUKategorie>* UKategorien(CBasis& basis, int kategorie)
{
    CKategorie* k = Kategorie(basis, kategorie);
    return k ? &k->m_arrUKategorien : nullptr;
}

template<class T>
Ausgang Erstelle(OwnedList<T>& liste, const std::string& name)
{
    if (NameVergeben(liste, name))
        return Ausgang::kExistiert;
    if (name.empty())
        return Ausgang::kLeer;
    auto neu = std::make_unique<T>();
    neu->m_strName = name;
    neu->m_nKat0C = 1;
    neu->m_nKat14 = static_cast<int>(liste.size());
    liste.push_back(std::move(neu));
    return Ausgang::kErledigt;
}

template<class T>
Ausgang BenenneUm(CBasis& basis, OwnedList<T>& liste, T& eintrag, Ebene ebene, const std::string& neuerName,
                  const Bestaetigung& frage)
{
    if (NameVergeben(liste, neuerName))
        return Ausgang::kExistiert;
    const bool benutzt = eintrag.m_bBenutzt != 0;
    if (benutzt && !Bestaetigt(frage, Rueckfrage::kUmbenennen, eintrag.m_strName, neuerName, ebene.nFilterArt))
        return Ausgang::kAbgebrochen;
    // Standing orders name a category before its first booking; they follow the rename either way.
    const std::string alt = eintrag.m_strName;
    SchreibeVerweiseUm(basis, [&](Feld feld, std::string& text) {
        if (feld != ebene.feld || !GleichOhneGross(text, alt))
            return false;
        text = neuerName;
        return true;
    });
    eintrag.m_strName = neuerName;
    if (benutzt)
        MarkiereGeladeneMonate(basis);
    return Ausgang::kErledigt;
}

template<class T>
Ausgang Loesche(CBasis& basis, T& eintrag, Ebene ebene, const Bestaetigung& frage)
{
    if (IstGeloescht(eintrag))
        return Ausgang::kNichtMoeglich;
    if (eintrag.m_bBenutzt == 0) {
        eintrag.m_nKat0C = NeuerStempel(basis);
        return Ausgang::kErledigt;
    }
    if (!Bestaetigt(frage, Rueckfrage::kLoeschen, eintrag.m_strName, eintrag.m_strName, ebene.nFilterArt))
        return Ausgang::kAbgebrochen;
    const int stempel = NeuerStempel(basis);
    const std::string name = eintrag.m_strName;
    StorniereMitStempel(
        basis, [&](Feld feld, const std::string& text) { return feld == ebene.feld && GleichOhneGross(text, name); });
    MarkiereGeladeneMonate(basis);
    eintrag.m_nKat0C = stempel;
    return Ausgang::kErledigt;
}

template<class T>
Ausgang StelleWiederHer(CBasis& basis, T* eintrag)
{
    if (!eintrag || !IstGeloescht(*eintrag))
        return Ausgang::kNichtMoeglich;
    StelleStempelWiederHer(basis, eintrag->m_nKat0C);
    eintrag->m_nKat0C = 1;
    return Ausgang::kErledigt;
}

template<class T>
Ausgang LoescheEndgueltig(CBasis& basis, OwnedList<T>* liste, int index)
{
    T* eintrag = liste ? Eintrag(*liste, index) : nullptr;
    if (!eintrag || !IstGeloescht(*eintrag))
        return Ausgang::kNichtMoeglich;
    EntferneStempel(basis, {eintrag->m_nKat0C});
    liste->erase(liste->begin() + index);
    return Ausgang::kErledigt;
}

} // namespace

bool IstGeloescht(const CUKategorie& eintrag)
{
    return eintrag.m_nKat0C < 0;
}

CKategorie* Kategorie(CBasis& basis, int kategorie)
{
    return Eintrag(basis.m_arrKategorien, kategorie);
}

CUKategorie* UKategorie(CBasis& basis, int kategorie, int ukategorie)
{
    OwnedList<CUKategorie>* liste = UKategorien(basis, kategorie);
    return liste ? Eintrag(*liste, ukategorie) : nullptr;
}

Ausgang ErstelleKategorie(CBasis& basis, const std::string& name)
{
    return Erstelle(basis.m_arrKategorien, name);
}

Ausgang ErstelleUKategorie(CBasis& basis, int kategorie, const std::string& name)
{
    OwnedList<CUKategorie>* liste = UKategorien(basis, kategorie);
    return liste ? Erstelle(*liste, name) : Ausgang::kNichtMoeglich;
}

Ausgang BenenneKategorieUm(CBasis& basis, int kategorie, const std::string& neuerName, const Bestaetigung& frage)
{
    CKategorie* k = Kategorie(basis, kategorie);
    return k ? BenenneUm(basis, basis.m_arrKategorien, *k, kKategorien, neuerName, frage) : Ausgang::kNichtMoeglich;
}

Ausgang BenenneUKategorieUm(CBasis& basis, int kategorie, int ukategorie, const std::string& neuerName,
                            const Bestaetigung& frage)
{
    CUKategorie* u = UKategorie(basis, kategorie, ukategorie);
    return u ? BenenneUm(basis, *UKategorien(basis, kategorie), *u, kUKategorien, neuerName, frage)
             : Ausgang::kNichtMoeglich;
}

Ausgang LoescheKategorie(CBasis& basis, int kategorie, const Bestaetigung& frage)
{
    CKategorie* k = Kategorie(basis, kategorie);
    return k ? Loesche(basis, *k, kKategorien, frage) : Ausgang::kNichtMoeglich;
}

Ausgang LoescheUKategorie(CBasis& basis, int kategorie, int ukategorie, const Bestaetigung& frage)
{
    CUKategorie* u = UKategorie(basis, kategorie, ukategorie);
    return u ? Loesche(basis, *u, kUKategorien, frage) : Ausgang::kNichtMoeglich;
}

Ausgang StelleKategorieWiederHer(CBasis& basis, int kategorie)
{
    return StelleWiederHer(basis, Kategorie(basis, kategorie));
}

Ausgang StelleUKategorieWiederHer(CBasis& basis, int kategorie, int ukategorie)
{
    return StelleWiederHer(basis, UKategorie(basis, kategorie, ukategorie));
}

Ausgang LoescheKategorieEndgueltig(CBasis& basis, int kategorie)
{
    return LoescheEndgueltig(basis, &basis.m_arrKategorien, kategorie);
}

Ausgang LoescheUKategorieEndgueltig(CBasis& basis, int kategorie, int ukategorie)
{
    return LoescheEndgueltig(basis, UKategorien(basis, kategorie), ukategorie);
}

} // namespace velmora
