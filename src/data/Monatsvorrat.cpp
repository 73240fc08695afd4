#include "Monatsvorrat.h"

#include "Binaer.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr size_t kKopfReserviert = 8 * 4 + 8 * 8;
// The smallest record: six empty strings and the numbers.
constexpr size_t kKleinsterDatensatz = 6 * 4 + 4 + 8 + 4 * 4;

bool LiesTransaktion(BinaerLeser& l, int version, CInOut& t)
{
    bool ok = l.Text(t.m_strAuftraggeber) && l.Text(t.m_strEmpfaenger) && l.Text(t.m_strNutzniesser) &&
              l.Text(t.m_strKategorie) && l.Text(t.m_strUKategorie) && l.Text(t.m_strKommentar) && l.Int(t.m_nArt) &&
              l.Double(t.m_dBetrag) && l.Int(t.m_nDatum) && l.Int(t.m_nIndex) && l.Int(t.m_nStatus);
    if (ok && version > 1)
        ok = l.Int(t.m_nDauerAuftragNr);
    return ok;
}

} // namespace

Monatsdatei LiesMonatsdatei(const std::string& pfad)
{
    Monatsdatei datei;
    std::string bytes;
    if (!LeseDatei(pfad, bytes))
        return datei;
    datei.bGefunden = true;
    BinaerLeser leser(bytes);
    int anzahl = 0;
    int version = 0;
    if (leser.Int(anzahl) && leser.Int(version) && leser.Ueberspringe(kKopfReserviert)) {
        // The count is trusted only as far as the bytes can hold records.
        datei.arrTransaktionen.reserve(
            std::min(static_cast<size_t>(std::max(anzahl, 0)), leser.Rest() / kKleinsterDatensatz));
        for (int i = 0; i < anzahl; ++i) {
            auto t = std::make_unique<CInOut>();
            if (!LiesTransaktion(leser, version, *t))
                break;
            datei.arrTransaktionen.push_back(std::move(t));
        }
    }
    datei.bAbgeschnitten = leser.Abgeschnitten();
    return datei;
}

Monatsvorrat::Monatsvorrat(std::vector<std::string> pfade)
{
    m_eintraege.reserve(pfade.size());
    for (std::string& pfad : pfade)
        m_eintraege.push_back({std::move(pfad), Stand::kOffen, {}});
    m_nHinten = m_eintraege.size();
    m_faden = std::thread([this] { Lies(); });
}

Monatsvorrat::~Monatsvorrat()
{
    {
        const std::lock_guard<std::mutex> sperre(m_sperre);
        m_bAufhoeren = true;
    }
    m_faden.join();
}

bool Monatsvorrat::LiesEine(std::unique_lock<std::mutex>& sperre, bool vonHinten)
{
    // A caller may have read an entry of the middle itself.
    while (m_nVorne < m_nHinten && m_eintraege[m_nVorne].stand != Stand::kOffen)
        ++m_nVorne;
    while (m_nVorne < m_nHinten && m_eintraege[m_nHinten - 1].stand != Stand::kOffen)
        --m_nHinten;
    if (m_bAufhoeren || m_nVorne >= m_nHinten)
        return false;
    Eintrag& eintrag = m_eintraege[vonHinten ? --m_nHinten : m_nVorne++];
    eintrag.stand = Stand::kInArbeit;
    sperre.unlock();
    Monatsdatei datei = LiesMonatsdatei(eintrag.strPfad);
    sperre.lock();
    eintrag.datei = std::move(datei);
    eintrag.stand = Stand::kFertig;
    m_fertig.notify_all();
    return true;
}

void Monatsvorrat::Lies()
{
    std::unique_lock<std::mutex> sperre(m_sperre);
    while (LiesEine(sperre, false)) {
    }
}

std::optional<Monatsdatei> Monatsvorrat::Nimm(const std::string& pfad)
{
    std::unique_lock<std::mutex> sperre(m_sperre);
    // Files are mostly taken in the order they are read: the search starts after the last one taken.
    const auto passt = [&](const Eintrag& e) { return e.stand != Stand::kGenommen && e.strPfad == pfad; };
    auto it = std::find_if(m_eintraege.begin() + static_cast<std::ptrdiff_t>(m_nNaechster), m_eintraege.end(), passt);
    if (it == m_eintraege.end())
        it = std::find_if(m_eintraege.begin(), m_eintraege.end(), passt);
    if (it == m_eintraege.end())
        return std::nullopt;
    if (it->stand == Stand::kOffen) {
        // Not begun: this thread reads it now rather than wait its turn.
        it->stand = Stand::kInArbeit;
        sperre.unlock();
        Monatsdatei datei = LiesMonatsdatei(it->strPfad);
        sperre.lock();
        it->stand = Stand::kGenommen;
        return datei;
    }
    while (it->stand != Stand::kFertig) {
        if (!LiesEine(sperre, true))
            m_fertig.wait(sperre, [&] { return it->stand == Stand::kFertig; });
    }
    it->stand = Stand::kGenommen;
    m_nNaechster = static_cast<size_t>(it - m_eintraege.begin()) + 1;
    return std::move(it->datei);
}

} // namespace velmora
