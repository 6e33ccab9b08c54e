#include "bebekformu.h"
#include "giyimresmi.h"
#include "gorunum.h"

#include <QEvent>
#include <QScrollBar>

namespace {
// White like the ground of the man's picture: a thumbnail is that picture as it is.
constexpr TRenk PANO_RENGI = clWhite;
}

TBebekForm::TBebekForm(QWidget* sahip) : QScrollArea(sahip)
{
    setObjectName(QStringLiteral("TBebekForm"));
    setAccessibleName(QStringLiteral("Bulunan giyimler"));
    verticalScrollBar()->setAccessibleName(QStringLiteral("Bulunan giyimleri kaydır"));
    setFrameShape(QFrame::StyledPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    Tuval = new QWidget;
    // Before the first outfit is found the board is empty: a reader still hears what it is.
    Tuval->setAccessibleName(QStringLiteral("Bulunan giyimlerin panosu"));
    ZeminVer(Tuval, PANO_RENGI);
    setWidget(Tuval);
    ZeminVer(viewport(), PANO_RENGI);
}

void TBebekForm::KucukResimEkle(const QImage& adam, int numara, ErisimAdi ad)
{
    auto* resim = new KucukResim(Tuval, adam, numara, std::move(ad));
    resimler_.push_back(resim);
    Yerlestir();
    resim->show();
    if (!toplu_)
        ensureWidgetVisible(resim, 0, 10);
}

TBebekForm::Toplu::Toplu(TBebekForm* pano) : pano_(pano)
{
    if (pano_ && !pano_->toplu_) {
        pano_->toplu_ = true;
        pano_->Tuval->hide();
    }
}

TBebekForm::Toplu::~Toplu()
{
    if (pano_)
        pano_->GosterBekleyenler();
}

void TBebekForm::GosterBekleyenler()
{
    if (!toplu_)
        return;
    toplu_ = false;
    Tuval->show();
    if (!resimler_.empty() && resimler_.back())
        ensureWidgetVisible(resimler_.back(), 0, 10);
}

void TBebekForm::Temizle()
{
    std::vector<QPointer<KucukResim>> silinecek;
    silinecek.swap(resimler_);
    for (const QPointer<KucukResim>& r : silinecek)
        delete r.data();
    Yerlestir();
}

void TBebekForm::Yerlestir()
{
    const QSize alan = viewport()->size();
    const PanoYerlesimi yer = KucukResimYerleri(int(resimler_.size()), alan.width(), alan.height());
    for (size_t i = 0; i < resimler_.size(); ++i)
        if (resimler_[i])
            resimler_[i]->move(yer.Yerler[i]);
    Tuval->resize(alan.width(), yer.Yukseklik);
}

bool TBebekForm::viewportEvent(QEvent* olay)
{
    // The visible part changes width with the window and when the scroll bar comes or goes.
    if (olay->type() == QEvent::Resize)
        Yerlestir();
    return QScrollArea::viewportEvent(olay);
}
