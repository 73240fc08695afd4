#include "Fremdkontenverwaltung.h"

#include "Basis.h"

namespace velmora {

bool IstGeloescht(const CZIELKONTO& ziel)
{
    return ziel.m_bGebucht <= 0;
}

CZIELKONTO* FremdKonto(CBasis& basis, int index)
{
    if (index < 0 || index >= static_cast<int>(basis.m_arrZielKonten.size()))
        return nullptr;
    return basis.m_arrZielKonten[static_cast<size_t>(index)].get();
}

Ausgang ErstelleFremdKonto(CBasis& basis, const std::string& name)
{
    if (NameVergeben(basis.m_arrZielKonten, name))
        return Ausgang::kExistiert;
    if (name.empty())
        return Ausgang::kLeer;
    auto ziel = std::make_unique<CZIELKONTO>();
    ziel->m_strName = name;
    ziel->m_bGebucht = 1;
    ziel->m_nZiel14 = static_cast<int>(basis.m_arrZielKonten.size());
    basis.m_arrZielKonten.push_back(std::move(ziel));
    return Ausgang::kErledigt;
}

Ausgang BenenneFremdKontoUm(CBasis& basis, int index, const std::string& neuerName, const Bestaetigung& frage)
{
    CZIELKONTO* ziel = FremdKonto(basis, index);
    if (!ziel)
        return Ausgang::kNichtMoeglich;
    if (NameVergeben(basis.m_arrZielKonten, neuerName))
        return Ausgang::kExistiert;
    const bool benutzt = ziel->m_bBenutzt != 0;
    if (benutzt && !Bestaetigt(frage, Rueckfrage::kUmbenennen, ziel->m_strName, neuerName, kFilterFremdKonto))
        return Ausgang::kAbgebrochen;
    // Standing orders name an account before its first booking; they follow the rename either way.
    const std::string alt = ziel->m_strName;
    SchreibeVerweiseUm(basis, [&](Feld feld, std::string& text) {
        if (!IstZahlerOderEmpfaenger(feld) || !GleichOhneGross(text, alt))
            return false;
        text = neuerName;
        return true;
    });
    ziel->m_strName = neuerName;
    if (benutzt)
        MarkiereGeladeneMonate(basis);
    return Ausgang::kErledigt;
}

Ausgang LoescheFremdKonto(CBasis& basis, int index, const Bestaetigung& frage)
{
    CZIELKONTO* ziel = FremdKonto(basis, index);
    if (!ziel || IstGeloescht(*ziel))
        return Ausgang::kNichtMoeglich;
    if (ziel->m_bBenutzt == 0) {
        ziel->m_bGebucht = NeuerStempel(basis);
        return Ausgang::kErledigt;
    }
    if (!Bestaetigt(frage, Rueckfrage::kLoeschen, ziel->m_strName, ziel->m_strName, kFilterFremdKonto))
        return Ausgang::kAbgebrochen;
    const int stempel = NeuerStempel(basis);
    const std::string name = ziel->m_strName;
    StorniereMitStempel(basis, [&name](Feld feld, const std::string& text) {
        return IstZahlerOderEmpfaenger(feld) && GleichOhneGross(text, name);
    });
    MarkiereGeladeneMonate(basis);
    ziel->m_bGebucht = stempel;
    return Ausgang::kErledigt;
}

Ausgang StelleFremdKontoWiederHer(CBasis& basis, int index)
{
    CZIELKONTO* ziel = FremdKonto(basis, index);
    if (!ziel || !IstGeloescht(*ziel))
        return Ausgang::kNichtMoeglich;
    StelleStempelWiederHer(basis, ziel->m_bGebucht);
    ziel->m_bGebucht = 1;
    return Ausgang::kErledigt;
}

Ausgang LoescheFremdKontoEndgueltig(CBasis& basis, int index)
{
    CZIELKONTO* ziel = FremdKonto(basis, index);
    if (!ziel || !IstGeloescht(*ziel))
        return Ausgang::kNichtMoeglich;
    EntferneStempel(basis, {ziel->m_bGebucht});
    basis.m_arrZielKonten.erase(basis.m_arrZielKonten.begin() + index);
    return Ausgang::kErledigt;
}

} // namespace velmora
