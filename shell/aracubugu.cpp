#include "aracubugu.h"
#include "gorunum.h"
#include "etkinlikpenceresi.h"

#include <QHBoxLayout>
#include <QPushButton>

AracCubugu::AracCubugu(QWidget* ebeveyn, TRenk renk) : QFrame(ebeveyn)
{
    ZeminVer(this, renk);
    duzen_ = new QHBoxLayout(this);
    duzen_->setContentsMargins(4, 3, 4, 3);
    duzen_->setSpacing(4);
}

QPushButton* AracCubugu::Dugme(EtkinlikPenceresi* pencere, QAction* eylem, const QString& baslik, int genislik)
{
    QPushButton* b = pencere->EylemDugmesi(eylem, this, baslik);
    b->setFont(Yazi(YaziAilesi::Arial, 14));
    b->setFixedHeight(36);
    b->setProperty("genislik", genislik);
    b->setFocusPolicy(Qt::NoFocus);
    duzen_->addWidget(b);
    return b;
}

void AracCubugu::GenisligeUyar(int pencereGenisligi)
{
    const bool genis = pencereGenisligi >= 1000;
    for (QPushButton* b : findChildren<QPushButton*>()) {
        const int tasarim = b->property("genislik").toInt();
        if (tasarim > 0)
            b->setMinimumWidth(genis ? tasarim : 60);
    }
}

void AracCubugu::KapatmaDugmesiEkle(QPushButton* kapat)
{
    kapat->setParent(this);
    kapat->setFixedSize(44, 38);
    kapat->setIconSize(QSize(30, 30));
    duzen_->addWidget(kapat);
    duzen_->addStretch(1);
}
