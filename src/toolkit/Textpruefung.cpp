#include "Textpruefung.h"

#include "Ansagen.h"
#include "Textzeuge.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocumentFragment>

#include <optional>
#include <vector>

namespace velmora {

namespace {

// Painted texts keep this distance from the edges of their window, so that none touches them.
constexpr int kRand = 2;

struct Text
{
    QString text;
    QRect ort;   // where it is drawn, in the coordinates of `steuer`
    QRect platz; // the space it may take there
    const QWidget* steuer;
};

class Sammler final : public Textzeuge
{
public:
    explicit Sammler(const QWidget& fenster)
        : m_fenster(fenster)
    {
        SetzeTextzeuge(this);
    }
    ~Sammler() override { SetzeTextzeuge(nullptr); }

    void Gemalt(QWidget& w, const QString& text, const QRect& rechteck) override
    {
        if (&w != &m_fenster && !m_fenster.isAncestorOf(&w))
            return;
        const QRect platz = &w == &m_fenster ? w.rect().adjusted(kRand, kRand, -kRand, -kRand) : w.rect();
        texte.push_back({text, rechteck, platz, &w});
    }

    std::vector<Text> texte;

private:
    const QWidget& m_fenster;
};

QString Name(const QWidget* w)
{
    const QString name = w->objectName();
    return name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name;
}

QString Zahlen(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

std::optional<Text> Beschriftung(const QLabel& etikett)
{
    QString text = etikett.text();
    if (text.isEmpty() || !etikett.pixmap().isNull())
        return std::nullopt;
    if (etikett.textFormat() == Qt::RichText || (etikett.textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    const int rand = etikett.margin();
    const QRect platz = etikett.contentsRect().adjusted(rand, rand, -rand, -rand);
    const int art = static_cast<int>(etikett.alignment()) | (etikett.wordWrap() ? Qt::TextWordWrap : 0) |
                    (etikett.buddy() ? Qt::TextShowMnemonic : 0);
    return Text{text, etikett.fontMetrics().boundingRect(platz, art, text), platz, &etikett};
}

// Push buttons centre their caption in their contents; check boxes and radio buttons set it beside their
// indicator.
std::optional<Text> Beschriftung(const QAbstractButton& knopf, QStyle::SubElement inhalt, Qt::Alignment ausrichtung)
{
    if (knopf.text().isEmpty())
        return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(&knopf);
    option.text = knopf.text();
    QSize noetig = knopf.fontMetrics().size(Qt::TextShowMnemonic, option.text);
    if (const auto* druck = qobject_cast<const QPushButton*>(&knopf)) {
        if (druck->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (druck->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (druck->isFlat())
            option.features |= QStyleOptionButton::Flat;
        if (!druck->icon().isNull())
            noetig.rwidth() += druck->iconSize().width() + 4;
    }
    const QRect platz = knopf.style()->subElementRect(inhalt, &option, &knopf).intersected(knopf.rect());
    return Text{option.text, QStyle::alignedRect(knopf.layoutDirection(), ausrichtung, noetig, platz), platz, &knopf};
}

std::optional<Text> Beschriftung(const QGroupBox& gruppe)
{
    if (gruppe.title().isEmpty())
        return std::nullopt;
    QStyleOptionGroupBox option;
    option.initFrom(&gruppe);
    option.text = gruppe.title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = gruppe.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (gruppe.isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (gruppe.isFlat())
        option.features |= QStyleOptionFrame::Flat;
    const QRect ort = gruppe.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &gruppe);
    return Text{option.text, ort, gruppe.rect(), &gruppe};
}

std::optional<Text> Beschriftung(const QWidget& w)
{
    if (const auto* etikett = qobject_cast<const QLabel*>(&w))
        return Beschriftung(*etikett);
    if (const auto* knopf = qobject_cast<const QPushButton*>(&w))
        return Beschriftung(*knopf, QStyle::SE_PushButtonContents, Qt::AlignCenter);
    if (const auto* box = qobject_cast<const QCheckBox*>(&w))
        return Beschriftung(*box, QStyle::SE_CheckBoxContents, Qt::AlignLeft | Qt::AlignVCenter);
    if (const auto* knopf = qobject_cast<const QRadioButton*>(&w))
        return Beschriftung(*knopf, QStyle::SE_RadioButtonContents, Qt::AlignLeft | Qt::AlignVCenter);
    if (const auto* gruppe = qobject_cast<const QGroupBox*>(&w))
        return Beschriftung(*gruppe);
    return std::nullopt;
}

// Group boxes and plain containers are see-through: what lies on them stays visible.
bool Durchsichtig(const QWidget& w)
{
    return qobject_cast<const QGroupBox*>(&w) || w.metaObject() == &QWidget::staticMetaObject || IstAnsage(w);
}

class Pruefung final
{
public:
    explicit Pruefung(QWidget& fenster)
        : m_fenster(fenster)
    {
    }

    QStringList Befunde()
    {
        std::vector<Text> texte;
        {
            Sammler sammler(m_fenster);
            m_fenster.grab();
            texte = std::move(sammler.texte);
        }
        for (QWidget* w : m_fenster.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&m_fenster) || Zugedeckt(*w))
                continue;
            if (std::optional<Text> text = Beschriftung(*w))
                texte.push_back(*text);
            else if (!Durchsichtig(*w) && Oben(*w))
                m_steuerelemente.push_back(w);
        }
        std::vector<Text> sichtbar;
        for (const Text& t : texte) {
            if (!ImFenster(t).intersects(m_fenster.rect()))
                continue; // cut off on purpose, as the lower part of a shortened window
            if (!t.platz.contains(t.ort))
                Melde(QStringLiteral("\"%1\" is cut: it needs %2, %3 has %4")
                          .arg(t.text, Zahlen(t.ort), Name(t.steuer), Zahlen(t.platz)));
            else
                PruefeUmgebung(t);
            sichtbar.push_back(t);
        }
        for (size_t i = 0; i < sichtbar.size(); ++i) {
            for (size_t j = i + 1; j < sichtbar.size(); ++j) {
                if (ImFenster(sichtbar[i]).intersects(ImFenster(sichtbar[j])))
                    Melde(QStringLiteral("\"%1\" (%2) and \"%3\" (%4) overlap")
                              .arg(sichtbar[i].text, Name(sichtbar[i].steuer), sichtbar[j].text,
                                   Name(sichtbar[j].steuer)));
            }
            PruefeVerdeckt(sichtbar[i]);
        }
        return m_befunde;
    }

private:
    QRect ImFenster(const Text& t) const { return ImFenster(*t.steuer, t.ort); }
    QRect ImFenster(const QWidget& w, const QRect& r) const
    {
        return &w == &m_fenster ? r : QRect(w.mapTo(&m_fenster, r.topLeft()), r.size());
    }

    // A control that stands on the window or on see-through containers only, not inside another control.
    bool Oben(const QWidget& w) const
    {
        for (const QWidget* p = w.parentWidget(); p && p != &m_fenster; p = p->parentWidget()) {
            if (!Durchsichtig(*p))
                return false;
        }
        return true;
    }

    // A control that a sibling above it covers whole, as a restore button lies over an edit button.
    static bool Zugedeckt(const QWidget& w)
    {
        const QObjectList& geschwister = w.parentWidget()->children();
        for (qsizetype i = geschwister.indexOf(&w) + 1; i < geschwister.size(); ++i) {
            const auto* oben = qobject_cast<const QWidget*>(geschwister[i]);
            if (oben && !oben->isHidden() && !Durchsichtig(*oben) && oben->geometry().contains(w.geometry()))
                return true;
        }
        return false;
    }

    void PruefeUmgebung(const Text& t)
    {
        const QRect ort = ImFenster(t);
        if (t.steuer == &m_fenster)
            return;
        for (const QWidget* p = t.steuer->parentWidget(); p; p = p == &m_fenster ? nullptr : p->parentWidget()) {
            const QRect rahmen = ImFenster(*p, p->rect());
            if (!rahmen.contains(ort))
                Melde(QStringLiteral("\"%1\" (%2) at %3 leaves %4 at %5")
                          .arg(t.text, Name(t.steuer), Zahlen(ort), Name(p), Zahlen(rahmen)));
        }
    }

    // Children paint over their parent: a control lying on a text hides part of it.
    void PruefeVerdeckt(const Text& t)
    {
        const QRect ort = ImFenster(t);
        for (const QWidget* w : m_steuerelemente) {
            if (w == t.steuer || w->isAncestorOf(t.steuer))
                continue;
            if (ImFenster(*w, w->rect()).intersects(ort))
                Melde(QStringLiteral("\"%1\" (%2) lies under %3").arg(t.text, Name(t.steuer), Name(w)));
        }
    }

    void Melde(const QString& befund)
    {
        const QString zeile = Name(&m_fenster) + QStringLiteral(": ") + befund;
        if (!m_befunde.contains(zeile))
            m_befunde << zeile;
    }

    QWidget& m_fenster;
    std::vector<const QWidget*> m_steuerelemente;
    QStringList m_befunde;
};

} // namespace

QStringList PruefeTexte(QWidget& fenster)
{
    return Pruefung(fenster).Befunde();
}

} // namespace velmora
