#include "Speichersitzung.h"

#include "Basis.h"
#include "Dateimeldungen.h"
#include "Gedaechtnisdatei.h"
#include "Start.h"
#include "Wiederherstellung.h"

#include <QTimer>
#include <algorithm>

namespace velmora {

Speichersitzung::Speichersitzung(CBasis& basis, bool startIstGespeichert, QWidget* fenster)
    : m_basis(basis)
    , m_fenster(fenster)
    , m_kopie(std::make_unique<Wiederherstellung>(basis, startIstGespeichert))
    , m_takt(new QTimer(this))
{
    m_takt->setSingleShot(true);
    connect(m_takt, &QTimer::timeout, this, &Speichersitzung::SchreibeKopie);
}

Speichersitzung::~Speichersitzung() = default;

bool Speichersitzung::Speichere()
{
    const bool gespeichert = SpeichereAlles(m_basis) == 0;
    const bool deutsch = m_basis.Deutsch();
    if (gespeichert && !m_basis.m_strSicherungsfehler.empty() && !m_bSicherungsfehlerGemeldet) {
        m_bSicherungsfehlerGemeldet = true;
        MeldeSicherungsfehler(m_fenster, deutsch, m_basis.m_strSicherungsfehler);
    }
    if (!m_basis.m_schreibgeschuetzteDateien.empty()) {
        MeldeSchreibgeschuetzteDateien(m_fenster, deutsch, m_basis.m_schreibgeschuetzteDateien);
        return false;
    }
    const bool gemerkt = gespeichert && SpeichereGedaechtnis(m_basis.m_strPfad, m_gedaechtnis) == 0;
    if (gespeichert && gemerkt)
        return true;
    std::vector<std::string> pfade = m_basis.m_nichtGeschriebeneDateien;
    if (gespeichert)
        pfade.push_back(GedaechtnisPfad(m_basis.m_strPfad));
    MeldeNichtGeschriebeneDateien(m_fenster, deutsch, pfade);
    return false;
}

void Speichersitzung::MerkeAenderung()
{
    if (m_bBeendet || m_takt->isActive())
        return;
    const qint64 vergangen = m_seitKopie.isValid() ? m_seitKopie.elapsed() : 1000;
    m_takt->start(static_cast<int>(std::max<qint64>(0, 1000 - vergangen)));
}

void Speichersitzung::SchreibeKopie()
{
    if (m_bBeendet)
        return;
    m_kopie->Schreibe();
    m_seitKopie.start();
}

void Speichersitzung::Beende()
{
    Verstumme();
    EntferneWiederherstellung(m_basis.m_strPfad);
}

void Speichersitzung::Verstumme()
{
    m_bBeendet = true;
    m_takt->stop();
}

} // namespace velmora
