#include "kumelistesi.h"

#include <QCollator>
#include <QLocale>
#include <QTextBoundaryFinder>
#include <algorithm>

QString TurkceKucukHarf(const QString& metin)
{
    QString sonuc = metin;
    for (QChar& c : sonuc) {
        if (c == QChar(0x0130))
            c = QLatin1Char('i');
        else if (c == QLatin1Char('I'))
            c = QChar(0x0131);
    }
    // What is left has no Turkish special case; QString::toLower is the
    // Unicode mapping and does not look at the process locale.
    return sonuc.toLower();
}

int KumeKarsilastir(const QString& a, const QString& b)
{
    const QString ka = TurkceKucukHarf(a);
    const QString kb = TurkceKucukHarf(b);
    if (ka == kb)
        return 0;
    // The keys are already folded, so the collator only decides the order of
    // the alphabet (ç after c, ı before i ...). It is asked for Turkish by
    // name, never for the process locale.
    static thread_local const QCollator siralayici = [] {
        QCollator c{QLocale(QLocale::Turkish, QLocale::Turkey)};
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    const int sonuc = siralayici.compare(ka, kb);
    if (sonuc != 0)
        return sonuc;
    return ka < kb ? -1 : 1;
}

bool SiraliEkle(QStringList& liste, const QString& oge)
{
    auto yer = std::lower_bound(liste.begin(), liste.end(), oge,
                                [](const QString& a, const QString& b) { return KumeKarsilastir(a, b) < 0; });
    if (yer != liste.end() && KumeKarsilastir(*yer, oge) == 0)
        return false;
    liste.insert(yer, oge);
    return true;
}

bool SiraliEkleTam(QStringList& liste, const QString& oge)
{
    auto once = [](const QString& a, const QString& b) {
        const int sira = KumeKarsilastir(a, b);
        return sira != 0 ? sira < 0 : a < b;
    };
    auto yer = std::lower_bound(liste.begin(), liste.end(), oge, once);
    if (yer != liste.end() && *yer == oge)
        return false;
    liste.insert(yer, oge);
    return true;
}

QStringList KelimeHarfleri(const QString& kelime)
{
    QStringList harfler;
    QTextBoundaryFinder bulucu(QTextBoundaryFinder::Grapheme, kelime);
    qsizetype onceki = 0;
    while (bulucu.toNextBoundary() != -1) {
        const qsizetype yer = bulucu.position();
        if (yer > onceki)
            harfler << kelime.mid(onceki, yer - onceki);
        onceki = yer;
    }
    return harfler;
}
