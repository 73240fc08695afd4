#pragma once

// The working windows of the main window and the hub's way to them: one slot per kind, each with its
// factory; the hub codes passed on to the windows they concern; the editors that hold the entry window
// while they are open.

#include "Fensterplatz.h"

#include <QObject>
#include <QStringList>
#include <string>

namespace velmora {

class CBasis;
class Dauerauftrag;
class EditKategorie;
class Empfaenger;
class grafik;
class Hub;
class InOut;
class Kontoimport;
class Overview;
class PersonenKonten;
class Prognose;
class Regelfenster;
struct Importgedaechtnis;

class Fensterverteiler final : public QObject
{
    Q_OBJECT
public:
    // The windows talk back through hub; those with a parent have fenster, the main window.
    Fensterverteiler(CBasis& basis, Hub& hub, Importgedaechtnis& gedaechtnis, QWidget* fenster);
    ~Fensterverteiler() override;

    // Opens the window of a main button (an id of haupt::Id), or closes it when it is open.
    void Umschalten(int knopf);
    // Whether the window of a main button can be opened.
    bool Verfuegbar(int knopf) const;

    // Passes a hub code on to the working windows it concerns.
    void Benachrichtige(int code, int arg);
    void ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1, const std::string& text2);
    // The open overview, or null. It has no parent window (see the factory), so findChild misses it.
    Overview* Uebersicht() const;
    // Opens the import window on statement files; a new window that took in nothing closes again.
    void Importiere(const QStringList& dateien);

    // Closes every working window as if it was cancelled.
    void SchliesseAlle();
    // The run ends: every window closes, and windows that close from now on report nothing.
    void Beende();
    // The same, deleting every window at once: the main window goes, and its windows talk to it and to
    // the store until they are gone.
    void LoescheAlle();

signals:
    // The settings switched the balloons on or off.
    void BallonsUmgeschaltet();
    // The settings closed; they may have changed the family or taken the password.
    void EinstellungenGeschlossen();

private:
    template<class Verteiler, class Tun>
    static auto AmKnopf(Verteiler& verteiler, int knopf, Tun tun);

    void RichteFabrikenEin();
    PersonenKonten* NeueEinstellungen(int form);
    // The entry window waits while an editor is open: disabled at every request for one, enabled again
    // and brought forward when the editor closes.
    void SperreEingabe();
    void GibEingabeFreiNach(QWidget* editor);
    int FrageNachEintrag(int modus, const std::string& name, const std::string& neu, int filterArt);

    CBasis& m_basis;
    Hub& m_hub;
    Importgedaechtnis& m_gedaechtnis;
    QWidget* m_fenster;
    bool m_bBeendet = false;

    Fensterplatz<InOut> m_eingabe;
    Fensterplatz<PersonenKonten> m_einstellungen;
    Fensterplatz<Empfaenger> m_fremdKonten;
    Fensterplatz<EditKategorie> m_kategorien;
    Fensterplatz<Overview> m_uebersicht;
    Fensterplatz<Dauerauftrag> m_dauerAuftraege;
    Fensterplatz<grafik> m_auswertung;
    Fensterplatz<Kontoimport> m_import;
    Fensterplatz<Prognose> m_vorschau;
    Fensterplatz<Regelfenster> m_regeln;
};

} // namespace velmora
