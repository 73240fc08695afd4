#include "Sprachwahl.h"

#include "Basis.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

Sprachwahl::Sprachwahl(QWidget* eltern)
    : QDialog(eltern)
    , m_sprache(kDeutsch)
{
    setObjectName(QStringLiteral("sprachwahl"));
    setWindowTitle(QStringLiteral("Velmora"));
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frage);
    layout->addLayout(knoepfe);
}

int Sprachwahl::Frage(QWidget* eltern)
{
    Sprachwahl wahl(eltern);
    wahl.exec();
    return wahl.Gewaehlt();
}

} // namespace velmora
