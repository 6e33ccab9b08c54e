#include "testkaydi.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<QString, std::function<QObject*()>>>& kayitlar()
{
    static std::vector<std::pair<QString, std::function<QObject*()>>> k;
    return k;
}
}

int TestKaydet(const char* ad, std::function<QObject*()> yapici)
{
    kayitlar().emplace_back(QString::fromLatin1(ad), std::move(yapici));
    return int(kayitlar().size());
}

int KayitliTestleriCalistir(QCoreApplication& uygulama)
{
    QStringList argumanlar = uygulama.arguments();
    QString secilen;
    if (argumanlar.size() > 1 && !argumanlar[1].startsWith(QLatin1Char('-'))) {
        for (const auto& k : kayitlar())
            if (k.first == argumanlar[1])
                secilen = k.first;
        if (!secilen.isEmpty())
            argumanlar.removeAt(1);
    }
    int hatalar = 0;
    for (const auto& k : kayitlar()) {
        if (!secilen.isEmpty() && k.first != secilen)
            continue;
        QObject* test = k.second();
        hatalar += QTest::qExec(test, argumanlar);
        delete test;
    }
    return hatalar == 0 ? 0 : 1;
}
