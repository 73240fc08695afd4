#include "Sprachwahl.h"

#include "Basis.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

Sprachwahl::Sprachwahl(QWidget* eltern, const QString& ordnerVorschlag)
    : QDialog(eltern)
    , m_sprache(kDeutsch)
{
    setObjectName(QStringLiteral("sprachwahl"));
    setWindowTitle(QStringLiteral("Velmora"));
    auto* layout = new QVBoxLayout(this);
    if (!ordnerVorschlag.isEmpty()) {
        auto* ordnerFrage =
            new QLabel(QString::fromUtf8("In diesem Ordner liegt Ihr Haushalts-Buch (auch ein vorhandenes):\n"
                                         "Your household book lives in this folder (an existing one too):"),
                       this);
        ordnerFrage->setObjectName(QStringLiteral("ordnerFrage"));
        m_ordner = new QLineEdit(QDir::toNativeSeparators(ordnerVorschlag), this);
        m_ordner->setObjectName(QStringLiteral("ordner"));
        m_ordner->setAccessibleName(QString::fromUtf8("Ordner des Haushalts-Buchs / Folder of the household book"));
        m_ordner->setMinimumWidth(360);
        auto* anderer = new QPushButton(QString::fromUtf8("Anderer Ordner… / Other folder…"), this);
        anderer->setObjectName(QStringLiteral("andererOrdner"));
        anderer->setAutoDefault(false);
        connect(anderer, &QPushButton::clicked, this, &Sprachwahl::WaehleOrdner);
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(m_ordner, 1);
        zeile->addWidget(anderer);
        auto* hinweis = new QLabel(QString::fromUtf8("Ein Ordner ohne führendes / (auch ~/…) liegt in Ihrem "
                                                     "persönlichen Ordner.\n"
                                                     "A folder without a leading / (and ~/…) lies in your home "
                                                     "folder."),
                                   this);
        hinweis->setObjectName(QStringLiteral("ordnerHinweis"));
        layout->addWidget(ordnerFrage);
        layout->addLayout(zeile);
        layout->addWidget(hinweis);
    }
    auto* frage = new QLabel(QString::fromUtf8("Bitte wählen Sie die Sprache Ihres Haushalts-Buchs.\n"
                                               "Please choose the language of your household book."),
                             this);
    frage->setObjectName(QStringLiteral("frage"));
    auto* deutsch = new QPushButton(QStringLiteral("Deutsch"), this);
    deutsch->setObjectName(QStringLiteral("deutsch"));
    deutsch->setDefault(true);
    auto* englisch = new QPushButton(QStringLiteral("English"), this);
    englisch->setObjectName(QStringLiteral("english"));
    connect(deutsch, &QPushButton::clicked, this, [this] {
        m_sprache = kDeutsch;
        accept();
    });
    connect(englisch, &QPushButton::clicked, this, [this] {
        m_sprache = kEnglisch;
        accept();
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(deutsch);
    knoepfe->addWidget(englisch);
    layout->addWidget(frage);
    layout->addLayout(knoepfe);
}

QString Sprachwahl::Ordner() const
{
    return m_ordner ? QDir::fromNativeSeparators(m_ordner->text().trimmed()) : QString();
}

void Sprachwahl::WaehleOrdner()
{
    const QString ordner = QFileDialog::getExistingDirectory(this, QStringLiteral("Velmora"), Ordner());
    if (!ordner.isEmpty())
        m_ordner->setText(QDir::toNativeSeparators(ordner));
}

int Sprachwahl::Frage(QWidget* eltern)
{
    Sprachwahl wahl(eltern);
    wahl.exec();
    return wahl.Gewaehlt();
}

std::optional<Erstwahl> Sprachwahl::FrageMitOrdner(const QString& vorschlag)
{
    Sprachwahl wahl(nullptr, vorschlag);
    if (wahl.exec() != QDialog::Accepted || wahl.Ordner().isEmpty())
        return std::nullopt;
    return Erstwahl{wahl.Ordner(), wahl.Gewaehlt()};
}

} // namespace velmora
