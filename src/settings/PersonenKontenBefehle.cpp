// The member and account commands of the settings window: each reads its fields, runs one command of
// the data layer, shows a refused name as the section's message, or shows the new state and reports it.

#include "PersonenKonten.h"

#include "ui_PersonenKonten.h"

#include "Basis.h"
#include "Familienverwaltung.h"
#include "QtText.h"

namespace velmora {

void PersonenKonten::ErstelleMitglied()
{
    SetzeMeldung(m_strMitgliedMeldung, {});
    const std::string name = TextVon(m_ui->c1017);
    switch (velmora::ErstelleMitglied(m_basis, name)) {
        case Ausgang::kExistiert:
            SetzeMeldung(m_strMitgliedMeldung, ExistiertMeldung(m_basis.m_nSprache, name));
            SetzeText(m_ui->c1017, {});
            return;
        case Ausgang::kLeer:
            SetzeMeldung(m_strMitgliedMeldung, LeerMeldung(m_basis.m_nSprache));
            return;
        default:
            break;
    }
    m_nMitglied = static_cast<int>(m_basis.Familie()->m_arrPersonen.size()) - 1;
    m_nKonto = 0;
    SetzeText(m_ui->c1012, AlsQString(name));
    ZeigeKontoFelder();
    m_steuer.Aktiviere({1014, 1021, 1016, 1022}, true);
    SetzeText(m_ui->c1017, {});
    Geaendert();
}

void PersonenKonten::BenenneMitgliedUm()
{
    SetzeMeldung(m_strMitgliedMeldung, {});
    const std::string name = TextVon(m_ui->c1012);
    switch (velmora::BenenneMitgliedUm(m_basis, m_nMitglied, name, AlsBestaetigung(m_frage, this, m_basis))) {
        case Ausgang::kLeer:
            SetzeMeldung(m_strMitgliedMeldung, LeerMeldung(m_basis.m_nSprache));
            return;
        case Ausgang::kExistiert:
            SetzeMeldung(m_strMitgliedMeldung, ExistiertMeldung(m_basis.m_nSprache, name));
            SetzeText(m_ui->c1012, {});
            return;
        default:
            break;
    }
    Geaendert();
}

void PersonenKonten::LoescheMitglied()
{
    if (m_ui->c1012->text().isEmpty()) {
        SetzeMeldung(m_strMitgliedMeldung, LeerMeldung(m_basis.m_nSprache));
        return;
    }
    if (velmora::LoescheMitglied(m_basis, m_nMitglied, AlsBestaetigung(m_frage, this, m_basis)) ==
        Ausgang::kNichtMoeglich)
        return;
    Geaendert();
}

void PersonenKonten::StelleMitgliedWiederHer()
{
    if (velmora::StelleMitgliedWiederHer(m_basis, m_nMitglied) != Ausgang::kErledigt)
        return;
    Geaendert();
}

void PersonenKonten::LoescheMitgliedEndgueltig()
{
    if (velmora::LoescheMitgliedEndgueltig(m_basis, m_nMitglied) != Ausgang::kErledigt)
        return;
    const CPerson* erstes = Mitglied(m_basis, 0);
    m_nMitglied = erstes ? 0 : -1;
    m_nKonto = erstes && !erstes->m_arrKonten.empty() ? 0 : -1;
    SetzeText(m_ui->c1012, erstes ? AlsQString(erstes->m_strName) : QString());
    Geaendert();
}

void PersonenKonten::ErstelleKonto()
{
    const Betragseingabe start = LiesBetragsfeld(TextVon(m_ui->c1029));
    SetzeMeldung(m_strMitgliedMeldung, {});
    SetzeMeldung(m_strKontoMeldung, {});
    const std::string name = TextVon(m_ui->c1028);
    switch (velmora::ErstelleKonto(m_basis, m_nMitglied, name, start.dWert)) {
        case Ausgang::kExistiert:
            SetzeMeldung(m_strKontoMeldung, ExistiertMeldung(m_basis.m_nSprache, name));
            return;
        case Ausgang::kLeer:
            SetzeMeldung(m_strKontoMeldung, LeerMeldung(m_basis.m_nSprache));
            return;
        case Ausgang::kErledigt:
            m_nKonto = static_cast<int>(Mitglied(m_basis, m_nMitglied)->m_arrKonten.size()) - 1;
            break;
        default:
            return;
    }
    SetzeText(m_ui->c1013, AlsQString(name));
    SetzeText(m_ui->c1015, AlsQString(start.strText));
    SetzeText(m_ui->c1028, {});
    SetzeText(m_ui->c1029, {});
    Geaendert();
}

void PersonenKonten::BenenneKontoUm()
{
    SetzeMeldung(m_strKontoMeldung, {});
    const std::string name = TextVon(m_ui->c1013);
    switch (velmora::BenenneKontoUm(m_basis, m_nMitglied, m_nKonto, name, AlsBestaetigung(m_frage, this, m_basis))) {
        case Ausgang::kLeer:
            SetzeMeldung(m_strKontoMeldung, LeerMeldung(m_basis.m_nSprache));
            return;
        case Ausgang::kExistiert:
            SetzeMeldung(m_strKontoMeldung, ExistiertMeldung(m_basis.m_nSprache, name));
            SetzeText(m_ui->c1013, {});
            return;
        case Ausgang::kNichtMoeglich:
            return;
        default:
            break;
    }
    Geaendert();
}

void PersonenKonten::LoescheKonto()
{
    if (m_ui->c1013->currentText().isEmpty()) {
        SetzeMeldung(m_strKontoMeldung, LeerMeldung(m_basis.m_nSprache));
        return;
    }
    if (velmora::LoescheKonto(m_basis, m_nMitglied, m_nKonto, AlsBestaetigung(m_frage, this, m_basis)) ==
        Ausgang::kNichtMoeglich)
        return;
    Geaendert();
}

void PersonenKonten::StelleKontoWiederHer()
{
    if (velmora::StelleKontoWiederHer(m_basis, m_nMitglied, m_nKonto) != Ausgang::kErledigt)
        return;
    Geaendert();
}

void PersonenKonten::LoescheKontoEndgueltig()
{
    if (velmora::LoescheKontoEndgueltig(m_basis, m_nMitglied, m_nKonto) != Ausgang::kErledigt)
        return;
    const CKonto* erstes = Konto(m_basis, m_nMitglied, 0);
    m_nKonto = erstes ? 0 : -1;
    SetzeText(m_ui->c1013, erstes ? AlsQString(erstes->m_strName) : QString());
    Geaendert();
}

void PersonenKonten::AendereBetrag()
{
    if (velmora::AendereKontostand(m_basis, m_nMitglied, m_nKonto, LiesBetragsfeld(TextVon(m_ui->c1015)).dWert) !=
        Ausgang::kErledigt)
        return;
    Geaendert();
}

} // namespace velmora
