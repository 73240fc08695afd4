#pragma once

// One kind of working window of the main window: at most one instance exists; the button that opens
// it closes it when pressed again. A window plugs in by giving its slot a factory.

#include <QPointer>
#include <QWidget>
#include <functional>

namespace velmora {

template<class Fenster>
class Fensterplatz final
{
public:
    using Fabrik = std::function<Fenster*()>;

    void SetzeFabrik(Fabrik fabrik) { m_fabrik = std::move(fabrik); }
    bool Verfuegbar() const { return static_cast<bool>(m_fabrik); }
    Fenster* Offen() const { return m_fenster.data(); }

    // Creates the window when it is closed, then brings it to the front.
    Fenster* Oeffne() { return Oeffne(m_fabrik); }

    // The same, creating a closed window in another form than the usual one.
    Fenster* Oeffne(const Fabrik& fabrik)
    {
        if (!m_fenster && fabrik) {
            m_fenster = fabrik();
            if (m_fenster) {
                m_fenster->setAttribute(Qt::WA_DeleteOnClose);
                m_fenster->show();
            }
        }
        if (m_fenster) {
            m_fenster->raise();
            m_fenster->activateWindow();
        }
        return m_fenster.data();
    }

    // Closes the window as if it had been cancelled.
    void Schliesse()
    {
        if (m_fenster)
            m_fenster->close();
    }

    // Closes the window and deletes it at once, for when its owner goes.
    void Beende()
    {
        Schliesse();
        delete m_fenster.data();
    }

    void Umschalten()
    {
        if (m_fenster)
            Schliesse();
        else
            Oeffne();
    }

private:
    Fabrik m_fabrik;
    QPointer<Fenster> m_fenster;
};

} // namespace velmora
