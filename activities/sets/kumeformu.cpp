#include "kumeformu.h"
#include "canlilar.h"
#include "gorunum.h"
#include "kumelistesi.h"
#include "Metinshape.h"
#include "Dilyardim.h"
#include "erisim.h"
#include "mesaj.h"
#include "ortam.h"
#include "surukle.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace {
constexpr TRenk CEMBER_ADI_RENGI = 0x000080;
const char* const CEMBER_NUMARASI = "kumeCemberNumarasi";
}

KumeEtiketi::KumeEtiketi(QWidget* ebeveyn, const QString& metin) : QWidget(ebeveyn), metin_(metin)
{
    setFont(Yazi(YaziAilesi::MsSansSerif, 16));
}

void KumeEtiketi::setText(const QString& metin)
{
    if (metin == metin_)
        return;
    metin_ = metin;
    // The name is the list in words; the text as it stands is the description.
    setAccessibleDescription(metin);
    ErisimDegisti(this);
    update();
}

void KumeEtiketi::Renk(TRenk renk)
{
    renk_ = renk;
    update();
}

int KumeEtiketi::yukseklik(int genislik) const
{
    const QFontMetrics olcu(font());
    if (genislik <= 0 || metin_.isEmpty())
        return olcu.height();
    return olcu.boundingRect(QRect(0, 0, genislik, 100000), Qt::TextWrapAnywhere, metin_).height();
}

void KumeEtiketi::GenisligeSigdir(int genislik)
{
    resize(genislik, yukseklik(genislik));
}

QSize KumeEtiketi::sizeHint() const
{
    const QFontMetrics olcu(font());
    return QSize(olcu.horizontalAdvance(metin_), olcu.height());
}

void KumeEtiketi::paintEvent(QPaintEvent*)
{
    QPainter boya(this);
    boya.setFont(font());
    boya.setPen(RenkQ(renk_));
    boya.drawText(rect(), Qt::TextWrapAnywhere | Qt::AlignLeft | Qt::AlignTop, metin_);
}

void KumeEtiketi::mousePressEvent(QMouseEvent* olay)
{
    olay->accept();
}

TKumeForm::TKumeForm(QWidget* sahip) : QWidget(sahip)
{
    setObjectName(QStringLiteral("KumeForm"));
    resize(775, 513);
    auto etiket = [this](const QString& metin, const char* ad) {
        auto* e = new KumeEtiketi(this, metin);
        e->setObjectName(QString::fromLatin1(ad));
        return e;
    };
    Label1 = etiket(QStringLiteral("-"), "Label1");
    Label1->Renk(clRed);
    Label6 = etiket(QStringLiteral("A"), "Label6");
    Label7 = etiket(QStringLiteral("B"), "Label7");
    Label2 = etiket(QStringLiteral("A/B"), "Label2");
    Label3 = etiket(QStringLiteral("B\\A"), "Label3");
    Label4 = etiket(QStringLiteral("AnB"), "Label4");
    Label5 = etiket(QStringLiteral("AUB"), "Label5");
    ErisimKur(Label1, QAccessible::Separator, [] { return QStringLiteral("ayraç"); });
    const struct
    {
        KumeEtiketi* etiket;
        QString baslik;
        std::vector<int> bolgeler;
    } listeler[] = {{Label6, QStringLiteral("A kümesi"), {2, 3}},  {Label7, QStringLiteral("B kümesi"), {1, 3}},
                    {Label2, QStringLiteral("A fark B"), {2}},     {Label3, QStringLiteral("B fark A"), {1}},
                    {Label4, QStringLiteral("A kesişim B"), {3}}, {Label5, QStringLiteral("A birleşim B"), {1, 2, 3}}};
    for (const auto& l : listeler)
        ErisimKur(l.etiket, QAccessible::StaticText,
                  [this, baslik = l.baslik, bolgeler = l.bolgeler] { return listeOkunusu(baslik, bolgeler); });
    // Reached by Tab too, to highlight a region as a click on it does.
    setFocusPolicy(Qt::TabFocus);
    // While a tile is carried by keys, the name says the region under it:
    // a reader hears where the tile would land. The region chosen for the
    // highlight is the description.
    ErisimKur(this, QAccessible::Grouping, [this] {
        const QPoint p = tasinanNokta();
        return QStringLiteral("Venn şeması")
               + (p != QPoint(-1, -1) ? QStringLiteral(", ") + Model.BolgeAdi(RegionAt(p)) : QString());
    });
    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return KumeDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { KumeDragDrop(kaynak, p); });
    SurukleYerleriKur(this, [this] { return KlavyeYerleri(); });
    UpdateRegionLabels();
}

bool TKumeForm::AddCircle(int labelPlace, QPoint merkez, int yaricap, bool yeniden)
{
    const int k = CircleCount();
    if (!Model.CemberEkle(merkez, yaricap))
        return false;
    auto* ad = new CemberAdi(CircleLetter(k), this);
    // Named first: Qt settles a label's description for readers as soon as
    // some of its later settings are made.
    ErisimKur(ad, QAccessible::Button, [ad, k] {
        return (k == 0 ? QStringLiteral("Sol") : k == 1 ? QStringLiteral("Sağ") : QString::number(k + 1) + QStringLiteral("."))
               + QStringLiteral(" çemberin adı: ") + ad->text();
    });
    ad->setObjectName(QStringLiteral("NameLabel%1").arg(k));
    ad->setTextFormat(Qt::PlainText);
    ad->setFont(PuntoYazi(YaziAilesi::MsSansSerif, 20));
    RenkVer(ad, QPalette::WindowText, CEMBER_ADI_RENGI);
    ad->setAttribute(Qt::WA_TranslucentBackground);
    ad->setProperty(CEMBER_NUMARASI, k);
    ad->setCursor(Qt::PointingHandCursor);
    ad->setToolTip(QStringLiteral("Çember İsmi"));
    // Reached by Tab too: Space or Enter renames the circle as a click does.
    ad->setFocusPolicy(Qt::TabFocus);
    ad->installEventFilter(this);
    NameLabels[size_t(k)] = ad;
    CemberTasi(k, labelPlace, merkez, yaricap);
    secimiBildir();
    ad->show();
    if (yeniden)
        ComputeRegions();
    return true;
}

void TKumeForm::CemberTasi(int k, int labelPlace, QPoint merkez, int yaricap)
{
    if (!Model.CircleList.Get(k))
        return;
    Model.CircleList.NoktaAyarla(k, merkez);
    Model.CircleList.DegerAyarla(k, yaricap);
    if (QLabel* ad = NameLabels[size_t(k)]) {
        QPoint yer = merkez;
        if (labelPlace == 1)
            yer = QPoint(merkez.x() - yaricap + yaricap / 3, merkez.y() - yaricap);
        else if (labelPlace == 2)
            yer = QPoint(merkez.x() + yaricap - yaricap / 3, merkez.y() - yaricap);
        ad->setGeometry(QRect(yer, QSize(qMax(50, ad->sizeHint().width()), qMax(30, ad->sizeHint().height()))));
    }
    resmiBoz();
    etiketleriYerlestir();
    update();
}

void TKumeForm::ComputeRegions()
{
    Model.SeedListBoyutla();
    Model.ComputeRegions(size());
    hesaplandi_ = true;
    resmiBoz();
    update();
}

QList<MetinShape*> TKumeForm::Karolar() const
{
    return Canlilar<MetinShape>(karolar_);
}

std::unique_ptr<QStringList> TKumeForm::ElementsInRegion(int bolge) const
{
    std::vector<KumeKarosu> karolar;
    for (MetinShape* k : Karolar())
        karolar.push_back({k->pos(), k->Text});
    return Model.ElementsInRegion(karolar, bolge);
}

QSet<QString> TKumeForm::BolgedekiMetinler(int bolge) const
{
    std::vector<KumeKarosu> karolar;
    for (MetinShape* k : Karolar())
        karolar.push_back({k->pos(), k->Text});
    return Model.BolgedekiMetinler(karolar, bolge);
}

std::vector<KumeKarosu> TKumeForm::karoYerleri() const
{
    std::vector<KumeKarosu> karolar;
    for (MetinShape* k : Karolar())
        karolar.push_back({k->pos(), k->Text});
    return karolar;
}

QString TKumeForm::listeOkunusu(const QString& baslik, const std::vector<int>& bolgeler) const
{
    const std::vector<KumeKarosu> karolar = karoYerleri();
    QStringList birlesim;
    for (int bolge : bolgeler)
        if (std::unique_ptr<QStringList> liste = Model.ElementsInRegion(karolar, bolge))
            for (const QString& e : *liste)
                SiraliEkle(birlesim, e);
    QStringList elemanlar;
    for (const QString& e : birlesim)
        elemanlar << MetinShape::Okunus(e);
    return baslik + QStringLiteral(": ") + (elemanlar.isEmpty() ? QStringLiteral("boş") : elemanlar.join(QStringLiteral(", ")));
}

QString TKumeForm::KaroOkunusu(const MetinShape* karo) const
{
    return karo->Okunus() + QStringLiteral(", ") + Model.BolgeOkunusu(RegionAt(karo->pos()));
}

QList<QPoint> TKumeForm::KlavyeYerleri() const
{
    const QWidget* tasinan = KlavyeIleTasinan();
    QList<QRect> dolu;
    for (MetinShape* k : Karolar())
        if (k != tasinan && !k->isHidden())
            dolu << k->geometry();
    for (const QLabel* ad : NameLabels)
        if (ad && !ad->isHidden())
            dolu << ad->geometry();
    const QSize boy = tasinan ? tasinan->size() : QSize(20, 30);
    QList<QPoint> yerler;
    for (int bolge : {2, 3, 1}) {
        const QPoint p = Model.BosYer(bolge, boy, dolu, size());
        if (p != QPoint(-1, -1))
            yerler << p;
    }
    return yerler;
}

void TKumeForm::UpdateRegionLabels()
{
    const std::vector<KumeKarosu> karolar = karoYerleri();
    auto metin = [&](const char* onek, const std::vector<int>& bolgeler) {
        return QString::fromUtf8(onek) + Model.BolgelerMetni(karolar, bolgeler) + QLatin1Char('}');
    };
    Label2->setText(metin("A\\B={", {2}));
    Label3->setText(metin("B\\A={", {1}));
    Label4->setText(metin("AnB={", {3}));
    Label6->setText(metin("A={", {2, 3}));
    Label7->setText(metin("B={", {1, 3}));
    Label5->setText(metin("AUB={", {1, 2, 3}));
    etiketleriYerlestir();
}

void TKumeForm::etiketleriYerlestir()
{
    // Beside the circles when the board leaves room there, larger; else at
    // the upper left in the board's own small type.
    int sag = 0;
    for (int k = 0; k < CircleCount(); ++k) {
        const NoktaCift* c = Model.CircleList.Get(k);
        sag = qMax(sag, c->x + c->value + Model.EdgeWidth);
    }
    const int solKenar = sag + 24;
    const int genislik = width() - solKenar - 12;
    KumeEtiketi* sira[] = {Label6, Label7, Label2, Label3, Label4, Label5};
    if (CircleCount() > 0 && genislik >= 200) {
        Label1->hide();
        int y = 12;
        for (KumeEtiketi* e : sira) {
            e->setFont(Yazi(YaziAilesi::MsSansSerif, genislik >= 300 ? 22 : 17));
            e->move(solKenar, y);
            e->GenisligeSigdir(genislik);
            y += e->height() + 10;
        }
        return;
    }
    Label1->show();
    const QPoint yerler[] = {{1, 23}, {1, 38}, {0, 56}, {0, 72}, {0, 88}, {0, 104}};
    Label1->move(1, 5);
    Label1->GenisligeSigdir(qMax(10, width() - 2));
    int alt = 0;
    for (int i = 0; i < 6; ++i) {
        KumeEtiketi* e = sira[i];
        e->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
        // A long list pushes the ones below it down rather than covering them.
        e->move(yerler[i].x(), qMax(yerler[i].y(), alt));
        e->GenisligeSigdir(qMax(10, width() - 2));
        alt = e->y() + e->height();
    }
}

void TKumeForm::RenameCircle(int k)
{
    if (k < 0 || k >= CircleCount())
        return;
    QLabel* ad = NameLabels[size_t(k)];
    if (!ad)
        return;
    const QString yeni = Ortam::Gecerli().GirdiKutusu(QStringLiteral("Çember İsmi"),
                                                     QStringLiteral("Yeni İsmi Giriniz:"), ad->text());
    if (yeni.isEmpty())
        return;
    ad->setText(yeni);
    ad->resize(qMax(50, ad->sizeHint().width()), ad->height());
    ErisimDegisti(ad);
}

void TKumeForm::ResetBoard()
{
    GizleVeSil(karolar_);
    UpdateRegionLabels();
}

bool TKumeForm::KumeDragOver(QObject* kaynak, QPoint)
{
    // Every drag of the program is let in; the drop decides.
    return kaynak != nullptr;
}

void TKumeForm::KumeDragDrop(QObject* kaynak, QPoint p)
{
    auto* karo = qobject_cast<MetinShape*>(kaynak);
    if (!karo)
        return;
    if (!CanDropInRegion(karo->Tag, RegionAt(p))) {
        Ortam::Gecerli().MesajGoster(DilMetni(GecerliDil(), 97));
        return;
    }
    MetinShape* yerlesen = karo;
    if (karo->parentWidget() != this) {
        yerlesen = new MetinShape(this, karo->Text);
        ErisimKur(yerlesen, QAccessible::ListItem, [this, yerlesen] { return KaroOkunusu(yerlesen); });
        yerlesen->FitToText();
        OtomatikSurukle(yerlesen, true);
        SurukleTutamagi(yerlesen, QPoint(0, 0));
        karolar_.emplace_back(yerlesen);
    }
    yerlesen->move(p);
    yerlesen->FontColor = karo->FontColor;
    yerlesen->Tag = karo->Tag;
    yerlesen->show();
    yerlesen->raise();
    yerlesen->update();
    ErisimDegisti(yerlesen);

    QWidget* ebeveyn = karo->parentWidget();
    if (ebeveyn && ebeveyn->parentWidget()) {
        QString metin = karo->Text;
        int etiket = karo->Tag;
        MesajGonder(ebeveyn->parentWidget()->window(), KUME_ELEMAN_BIRAKILDI, MesajParametresi(&metin),
                    MesajParametresi(&etiket));
    }
    UpdateRegionLabels();
}

void TKumeForm::BolgeTiklandi(QPoint p)
{
    if (Model.VurguDegistir(p)) {
        resmiBoz();
        update();
        secimiBildir();
    }
}

QPoint TKumeForm::tasinanNokta() const
{
    if (!KlavyeIleTasinan() || !window())
        return QPoint(-1, -1);
    // The carried picture stands over the window; a tile's hot spot is its top left.
    for (const QWidget* resim : window()->findChildren<QWidget*>(QStringLiteral("TasinanResim"), Qt::FindDirectChildrenOnly))
        if (resim->isVisible()) {
            const QPoint p = mapFromGlobal(resim->mapToGlobal(QPoint(0, 0)));
            if (rect().contains(p))
                return p;
        }
    return QPoint(-1, -1);
}

void TKumeForm::secimiBildir()
{
    if (CircleCount() == 0)
        return;
    QString metin = QStringLiteral("seçili bölge: ") + Model.BolgeAdi(secilenBolge_);
    if (Model.SeedList.Get(secilenBolge_) && Model.SeedList.Deger(secilenBolge_) == 1)
        metin += QStringLiteral(", sarıya boyalı");
    setAccessibleDescription(metin);
}

QPoint TKumeForm::bolgeNoktasi(int bolge) const
{
    if (bolge < 0 || bolge >= RegionCount() || !Model.SeedList.Get(bolge))
        return QPoint(-1, -1);
    return Model.SeedList.Nokta(bolge);
}

void TKumeForm::keyPressEvent(QKeyEvent* olay)
{
    // The regions in reading order: A only, both, B only, then outside.
    static const int sira[] = {2, 3, 1, 0};
    int i = 0;
    while (i < 3 && sira[i] != secilenBolge_)
        ++i;
    switch (olay->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        secilenBolge_ = sira[(i + 1) % 4];
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        secilenBolge_ = sira[(i + 3) % 4];
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (bolgeNoktasi(secilenBolge_) != QPoint(-1, -1))
            BolgeTiklandi(bolgeNoktasi(secilenBolge_));
        break;
    default:
        QWidget::keyPressEvent(olay);
        return;
    }
    olay->accept();
    update();
    secimiBildir();
}

void TKumeForm::focusInEvent(QFocusEvent* olay)
{
    update();
    QWidget::focusInEvent(olay);
}

void TKumeForm::focusOutEvent(QFocusEvent* olay)
{
    update();
    QWidget::focusOutEvent(olay);
}

void TKumeForm::paintEvent(QPaintEvent*)
{
    const qreal oran = devicePixelRatioF();
    if (resim_.isNull() || resim_.devicePixelRatio() != oran
        || resim_.size() != QSize(qCeil(width() * oran), qCeil(height() * oran)))
        resim_ = Model.TahtaResmi(size(), oran, false);
    QPainter boya(this);
    boya.drawImage(QPoint(0, 0), resim_);
    // With the focus, a ring marks the region that Space would highlight.
    const QPoint secilen = Model.BolgeOrtasi(secilenBolge_, size());
    if (hasFocus() && secilen != QPoint(-1, -1)) {
        boya.setRenderHint(QPainter::Antialiasing, true);
        boya.setPen(QPen(RenkQ(clNavy), 2, Qt::DashLine));
        boya.setBrush(Qt::NoBrush);
        boya.drawEllipse(secilen, 12, 12);
    }
}

void TKumeForm::resizeEvent(QResizeEvent*)
{
    resmiBoz();
    etiketleriYerlestir();
}

void TKumeForm::mousePressEvent(QMouseEvent* olay)
{
    if (olay->button() == Qt::LeftButton)
        BolgeTiklandi(olay->position().toPoint());
}

bool TKumeForm::eventFilter(QObject* nesne, QEvent* olay)
{
    const QVariant numara = nesne->property(CEMBER_NUMARASI);
    if (numara.isValid()) {
        if (olay->type() == QEvent::MouseButtonPress)
            return true;
        if (olay->type() == QEvent::KeyPress) {
            const int tus = static_cast<QKeyEvent*>(olay)->key();
            if (tus == Qt::Key_Space || tus == Qt::Key_Return || tus == Qt::Key_Enter) {
                RenameCircle(numara.toInt());
                return true;
            }
        }
        if (olay->type() == QEvent::MouseButtonRelease) {
            auto* fare = static_cast<QMouseEvent*>(olay);
            auto* ad = static_cast<QWidget*>(nesne);
            if (fare->button() == Qt::LeftButton && ad->rect().contains(fare->position().toPoint()))
                RenameCircle(numara.toInt());
            return true;
        }
    }
    return QWidget::eventFilter(nesne, olay);
}
