#include "testortami.h"

#include <QTest>

TestOrtami::TestOrtami() : onceki_(Ortam::Kurulu())
{
    Ortam::Kur(this);
}

TestOrtami::~TestOrtami()
{
    Ortam::Kur(onceki_);
}

void TestOrtami::MesajGoster(const QString& metin)
{
    Kayit << QStringLiteral("mesaj: ") + metin;
}

void TestOrtami::MesajKutusu(const QString& metin, const QString& baslik)
{
    Kayit << QStringLiteral("kutu: ") + baslik + QStringLiteral(" | ") + metin;
}

QString TestOrtami::GirdiKutusu(const QString& baslik, const QString& istem, const QString& varsayilan)
{
    Kayit << QStringLiteral("girdi: ") + baslik + QStringLiteral(" | ") + istem;
    if (Girdiler.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("beklenmeyen girdi kutusu: ") + istem), __FILE__, __LINE__);
        return varsayilan;
    }
    const auto cevap = Girdiler.front();
    Girdiler.pop_front();
    return cevap ? *cevap : varsayilan;
}

std::optional<TRenk> TestOrtami::RenkDiyalogu(TRenk)
{
    Kayit << QStringLiteral("renk");
    if (Renkler.empty()) {
        QTest::qFail("beklenmeyen renk diyaloğu", __FILE__, __LINE__);
        return std::nullopt;
    }
    const auto cevap = Renkler.front();
    Renkler.pop_front();
    return cevap;
}

void TestOrtami::SesOynat(int numara, bool)
{
    Kayit << QStringLiteral("ses: ") + QString::number(numara);
}

void TestOrtami::Bip()
{
    Kayit << QStringLiteral("bip");
}

void TestOrtami::HataGoster(const QString& metin)
{
    Kayit << QStringLiteral("hata: ") + metin;
}

void TestOrtami::Ac(const QUrl& adres)
{
    Kayit << QStringLiteral("ac: ") + adres.toString();
}

int TestOrtami::Rastgele(int n)
{
    if (n <= 0 || Rastgeleler.empty())
        return 0;
    const int deger = Rastgeleler.front();
    Rastgeleler.pop_front();
    return ((deger % n) + n) % n;
}

QStringList TestOrtami::Suzulmus(const QString& onek) const
{
    QStringList sonuc;
    for (const QString& satir : Kayit)
        if (satir.startsWith(onek))
            sonuc << satir;
    return sonuc;
}

QList<int> TestOrtami::Sesler() const
{
    QList<int> sonuc;
    for (const QString& satir : Kayit)
        if (satir.startsWith(QStringLiteral("ses: ")))
            sonuc << satir.mid(5).toInt();
    return sonuc;
}
