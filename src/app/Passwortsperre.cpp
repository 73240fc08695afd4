#include "Passwortsperre.h"

#include "Basis.h"
#include "Hauptfensterplan.h"
#include "QtText.h"

#include <QLineEdit>

namespace velmora {

Passwortsperre::Passwortsperre(const CBasis& basis, QWidget* fenster)
    : QObject(fenster)
    , m_basis(basis)
    , m_feld(new QLineEdit(fenster))
{
    m_feld->setObjectName(QStringLiteral("c%1").arg(haupt::kPasswort));
    m_feld->setAccessibleName(Sprachtext(basis.Deutsch(), "Passwort", "Password"));
    m_feld->setEchoMode(QLineEdit::Password);
    m_feld->setGeometry(kPasswortFrageOrt.x(), kPasswortFrageOrt.y() + 40, 240, 30);
    m_feld->hide();
    connect(m_feld, &QLineEdit::textChanged, this, &Passwortsperre::Pruefe);
}

void Passwortsperre::Sperre()
{
    m_feld->show();
    m_feld->clear();
    m_feld->setFocus();
    m_bGesperrt = true;
}

void Passwortsperre::Pruefe(const QString& text)
{
    if (!m_bGesperrt || AlsCp1252(text) != m_basis.m_strPasswort)
        return;
    m_bGesperrt = false;
    m_feld->hide();
    m_feld->clear();
    emit Entsperrt();
}

} // namespace velmora
