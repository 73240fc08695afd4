#include "Fensterverteiler.h"

#include "Dauerauftrag.h"
#include "EditKategorie.h"
#include "Eintrag_Bearbeiten.h"
#include "Empfaenger.h"
#include "Hauptfensterplan.h"
#include "Hub.h"
#include "InOut.h"
#include "Kontoimport.h"
#include "Overview.h"
#include "PersonenKonten.h"
#include "Prognose.h"
#include "Regelfenster.h"
#include "grafik.h"

#include <QApplication>

namespace velmora {

using namespace haupt;

Fensterverteiler::Fensterverteiler(CBasis& basis, Hub& hub, Importgedaechtnis& gedaechtnis, QWidget* fenster)
    : m_basis(basis)
    , m_hub(hub)
    , m_gedaechtnis(gedaechtnis)
    , m_fenster(fenster)
{
    RichteFabrikenEin();
}

Fensterverteiler::~Fensterverteiler() = default;

void Fensterverteiler::LoescheAlle()
{
    m_bBeendet = true;
    m_eingabe.Beende();
    m_auswertung.Beende();
    m_einstellungen.Beende();
    m_uebersicht.Beende();
    m_fremdKonten.Beende();
    m_kategorien.Beende();
    m_dauerAuftraege.Beende();
    m_import.Beende();
    m_vorschau.Beende();
    m_regeln.Beende();
}

void Fensterverteiler::RichteFabrikenEin()
{
    m_eingabe.SetzeFabrik([this] { return new InOut(m_basis, m_hub, m_fenster); });
    m_einstellungen.SetzeFabrik([this] { return NeueEinstellungen(static_cast<int>(PersonenKonten::Form::kVoll)); });
    m_auswertung.SetzeFabrik([this] { return new grafik(m_basis, m_hub, m_fenster); });
    const auto editor = [this](auto* neu) {
        neu->SetzeEintragsfrage([this](int modus, const std::string& name, const std::string& text, int art) {
            return FrageNachEintrag(modus, name, text, art);
        });
        GibEingabeFreiNach(neu);
        return neu;
    };
    m_fremdKonten.SetzeFabrik([this, editor] { return editor(new Empfaenger(m_basis, m_hub, m_fenster)); });
    m_kategorien.SetzeFabrik([this, editor] { return editor(new EditKategorie(m_basis, m_hub, m_fenster)); });
    m_dauerAuftraege.SetzeFabrik([this] { return new Dauerauftrag(m_basis, m_hub, m_fenster); });
    // Without a parent window: the overview stays usable while the confirmation that opened it waits
    // modally over its settings window.
    m_uebersicht.SetzeFabrik([this] { return new Overview(m_basis, m_hub); });
    m_vorschau.SetzeFabrik([this] { return new Prognose(m_basis, m_fenster); });
    m_regeln.SetzeFabrik([this] { return new Regelfenster(m_basis, m_hub, m_gedaechtnis, {}, m_fenster); });
}

template<class Verteiler, class Tun>
auto Fensterverteiler::AmKnopf(Verteiler& verteiler, int knopf, Tun tun)
{
    switch (knopf) {
        case kEingabe:
            return tun(verteiler.m_eingabe);
        case kUebersicht:
            return tun(verteiler.m_uebersicht);
        case kAuswertung:
            return tun(verteiler.m_auswertung);
        case kDauerAuftraege:
            return tun(verteiler.m_dauerAuftraege);
        default:
            return tun(verteiler.m_einstellungen);
    }
}

void Fensterverteiler::Umschalten(int knopf)
{
    AmKnopf(*this, knopf, [](auto& platz) { platz.Umschalten(); });
}

bool Fensterverteiler::Verfuegbar(int knopf) const
{
    return AmKnopf(*this, knopf, [](const auto& platz) { return platz.Verfuegbar(); });
}

PersonenKonten* Fensterverteiler::NeueEinstellungen(int form)
{
    auto* einstellungen = new PersonenKonten(m_basis, m_hub, m_fenster, static_cast<PersonenKonten::Form>(form));
    einstellungen->SetzeEintragsfrage([this](int modus, const std::string& name, const std::string& neu, int art) {
        return FrageNachEintrag(modus, name, neu, art);
    });
    connect(einstellungen, &PersonenKonten::BallonsUmgeschaltet, this, &Fensterverteiler::BallonsUmgeschaltet);
    connect(einstellungen, &QObject::destroyed, this, [this] {
        if (!m_bBeendet)
            emit EinstellungenGeschlossen();
    });
    return einstellungen;
}

void Fensterverteiler::SperreEingabe()
{
    if (InOut* eingabe = m_eingabe.Offen())
        eingabe->setEnabled(false);
}

void Fensterverteiler::GibEingabeFreiNach(QWidget* editor)
{
    connect(editor, &QObject::destroyed, this, [this] {
        if (m_bBeendet)
            return;
        if (InOut* eingabe = m_eingabe.Offen()) {
            eingabe->setEnabled(true);
            eingabe->raise();
            eingabe->activateWindow();
        }
    });
}

int Fensterverteiler::FrageNachEintrag(int modus, const std::string& name, const std::string& neu, int filterArt)
{
    return Eintrag_Bearbeiten::Frage(m_hub, m_basis, modus, name, neu, filterArt, QApplication::activeWindow());
}

void Fensterverteiler::Benachrichtige(int code, int arg)
{
    switch (code) {
        case kDatenGeaendert:
            if (PersonenKonten* einstellungen = m_einstellungen.Offen())
                einstellungen->Aktualisiere();
            if (Empfaenger* fremdKonten = m_fremdKonten.Offen())
                fremdKonten->Aktualisiere();
            if (grafik* auswertung = m_auswertung.Offen())
                auswertung->Aktualisiere();
            // The settings may have renamed, deleted or removed standing orders along with an account.
            if (Dauerauftrag* dauerAuftraege = m_dauerAuftraege.Offen())
                dauerAuftraege->Aktualisiere();
            if (Overview* uebersicht = m_uebersicht.Offen())
                uebersicht->Aktualisiere();
            if (Prognose* vorschau = m_vorschau.Offen())
                vorschau->Aktualisiere();
            break;
        case kOeffneFremdKonten:
            if (m_fremdKonten.Oeffne())
                SperreEingabe();
            break;
        case kOeffneKategorien:
            if (EditKategorie* editor = m_kategorien.Oeffne()) {
                // A new editor and one already open alike turn to the category asked for.
                if (arg >= 0)
                    editor->WaehleKategorie(arg);
                SperreEingabe();
            }
            break;
        case kOeffneFamilienKonten:
            m_einstellungen.Oeffne(
                [this] { return NeueEinstellungen(static_cast<int>(PersonenKonten::Form::kFamilienKonten)); });
            break;
        case kOeffneImportregeln:
            m_regeln.Oeffne();
            break;
        case kBearbeiteTransaktion:
            if (InOut* eingabe = m_eingabe.Oeffne())
                eingabe->LadeEintrag(arg, InOut::kTransaktion);
            break;
        case kLadeFremdKonten:
            if (InOut* eingabe = m_eingabe.Offen())
                eingabe->AktualisiereListen(1);
            break;
        case kLadeKategorien:
            if (InOut* eingabe = m_eingabe.Offen())
                eingabe->AktualisiereListen(4);
            break;
        case kBearbeiteDauerAuftrag:
            if (InOut* eingabe = m_eingabe.Oeffne())
                eingabe->LadeEintrag(arg, InOut::kDauerAuftrag);
            break;
        case kAktualisiereDauerAuftraege:
            if (Dauerauftrag* dauerAuftraege = m_dauerAuftraege.Offen())
                dauerAuftraege->Aktualisiere();
            if (Prognose* vorschau = m_vorschau.Offen())
                vorschau->Aktualisiere();
            break;
        case kZeigeVorschau:
            if (Prognose* vorschau = m_vorschau.Oeffne())
                vorschau->WaehleKonto(arg);
            break;
        default:
            break;
    }
}

Overview* Fensterverteiler::Uebersicht() const
{
    return m_uebersicht.Offen();
}

void Fensterverteiler::ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1,
                                       const std::string& text2)
{
    if (art == -1) {
        m_uebersicht.Schliesse();
        return;
    }
    if (Overview* uebersicht = m_uebersicht.Oeffne())
        uebersicht->ZeigeMitFilter(art, datum1, datum2, text1, text2);
}

void Fensterverteiler::Importiere(const QStringList& dateien)
{
    const bool neu = !m_import.Offen();
    Kontoimport* import = m_import.Oeffne([this] { return new Kontoimport(m_basis, m_hub, m_gedaechtnis, m_fenster); });
    // A window that took in nothing has nothing to show.
    if (import && import->FuegeHinzu(dateien) == 0 && neu)
        import->close();
}

void Fensterverteiler::SchliesseAlle()
{
    m_eingabe.Schliesse();
    m_auswertung.Schliesse();
    m_einstellungen.Schliesse();
    m_uebersicht.Schliesse();
    m_fremdKonten.Schliesse();
    m_kategorien.Schliesse();
    m_dauerAuftraege.Schliesse();
    m_import.Schliesse();
    m_vorschau.Schliesse();
    m_regeln.Schliesse();
}

void Fensterverteiler::Beende()
{
    m_bBeendet = true;
    SchliesseAlle();
}

} // namespace velmora
