#include "Ansagen.h"

#include <QFontMetrics>
#include <QLabel>

namespace velmora {

namespace {

const char* const kAnsage = "ansage";

} // namespace

void SageAn(QWidget& gruppe, const QWidget& maler, const std::vector<GemalterText>& texte)
{
    QList<QLabel*> labels = gruppe.findChildren<QLabel*>(QLatin1String(kAnsage), Qt::FindDirectChildrenOnly);
    qsizetype n = 0;
    for (const GemalterText& t : texte) {
        const QString text = t.text.simplified();
        if (text.isEmpty())
            continue;
        if (n == labels.size()) {
            auto* label = new QLabel(&gruppe);
            label->setObjectName(QLatin1String(kAnsage));
            label->setProperty(kAnsage, true);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            labels.append(label);
        }
        QLabel* label = labels[n++];
        const QPoint ort = &gruppe == &maler ? t.ort : gruppe.mapFrom(&maler, t.ort);
        label->setGeometry(QRect(ort, QFontMetrics(SchriftFuer(t.schrift)).size(0, t.text)));
        label->setAccessibleName(text);
        label->show();
    }
    for (; n < labels.size(); ++n)
        labels[n]->hide();
}

bool IstAnsage(const QWidget& widget)
{
    return widget.property(kAnsage).toBool();
}

} // namespace velmora
