#include "Myshape.h"
#include "gorunum.h"
#include "donusum.h"
#include "mesaj.h"
#include "ortam.h"
#include "servisler.h"
#include "ses.h"
#include "surukle.h"
#include "uygulama.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <cmath>

const char* const FORM_TAG_OZELLIGI = "FormTag";

// ---------------------------------------------------------------------------

SekilKontrolu::SekilKontrolu(QWidget* ebeveyn) : QWidget(ebeveyn) {}

void SekilKontrolu::FircaAyarla(TRenk renk)
{
    if (Firca != renk) {
        Firca = renk;
        update();
    }
}

void SekilKontrolu::SekilAyarla(SekilTuru sekil)
{
    if (Sekil != sekil) {
        Sekil = sekil;
        update();
    }
}

void SekilKontrolu::SekliCiz(QPainter& p) const
{
    const int kenar = std::min(width(), height());
    const QRectF kutu = Yayvan ? QRectF(0.5, 0.5, width() - 1, height() - 1)
                               : QRectF((width() - kenar) / 2 + 0.5, (height() - kenar) / 2 + 0.5, kenar - 1, kenar - 1);
    p.setPen(QPen(RenkQ(Kalem), 1));
    p.setBrush(RenkQ(Firca));
    if (Sekil == SekilTuru::Daire) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(kutu);
        p.setRenderHint(QPainter::Antialiasing, false);
    } else {
        p.drawRect(kutu);
    }
}

QPoint SekilKontrolu::OrtalaMetin(const QFontMetrics& fm, const QString& metin, int cx, int cy)
{
    return QPoint(cx - fm.horizontalAdvance(metin) / 2, cy - fm.height() / 2);
}

// ---------------------------------------------------------------------------

namespace {

QFont DugumYazisi()
{
    return Yazi(YaziAilesi::Arial, 15);
}

void ZeminRengi(QLineEdit* kutu, TRenk renk)
{
    RenkVer(kutu, QPalette::Base, renk);
}

// A divisor box under a node: yellow while it has the focus, white and
// emptied when it loses it; Enter splits the node.
class BolenKutusu : public QLineEdit
{
public:
    BolenKutusu(QWidget* ebeveyn, MyShape* dugum, bool sag) : QLineEdit(ebeveyn), dugum_(dugum), sag_(sag)
    {
        setFont(DugumYazisi());
        setAlignment(Qt::AlignCenter);
        setMaxLength(9);
        ZeminRengi(this, clWhite);
        SayiTusuFiltresiKur(this);
    }

protected:
    void focusInEvent(QFocusEvent* olay) override
    {
        ZeminRengi(this, clYellow);
        QLineEdit::focusInEvent(olay);
    }
    void focusOutEvent(QFocusEvent* olay) override
    {
        ZeminRengi(this, clWhite);
        clear();
        QLineEdit::focusOutEvent(olay);
    }
    void mousePressEvent(QMouseEvent* olay) override
    {
        if (sag_)
            ZeminRengi(this, clYellow);
        QLineEdit::mousePressEvent(olay);
    }
    void keyPressEvent(QKeyEvent* olay) override
    {
        if (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) {
            olay->accept();
            // A conversion error is shown here, before it could unwind through Qt's own frames.
            if (dugum_)
                HataSinirinda([this] { dugum_->EditEntered(this); });
            return;
        }
        QLineEdit::keyPressEvent(olay);
    }

private:
    QPointer<MyShape> dugum_;
    bool sag_;
};

} // namespace

MyShape::MyShape(QWidget* sahip, int deger, MyShape* ebeveynDugum)
    : MyShape(sahip, new CarpanDugumu(deger), true, ebeveynDugum)
{
}

MyShape::MyShape(QWidget* sahip, CarpanDugumu& dugum) : MyShape(sahip, &dugum, false, nullptr) {}

MyShape::MyShape(QWidget* sahip, CarpanDugumu* dugum, bool sahiplen, MyShape* ebeveynDugum)
    : SekilKontrolu(sahip), State(dugum->State), kendi_(sahiplen ? dugum : nullptr), dugum_(dugum),
      gosterilenDurum_(dugum->State), parentNode_(ebeveynDugum)
{
    resize(GENISLIK, YUKSEKLIK);
    Yayvan = true;
    Sekil = SekilTuru::Daire;
    Firca = clYellow;
    setFont(DugumYazisi());
    OtomatikSurukle(this, true);
    DegeriGoster();
}

MyShape::~MyShape()
{
    // Children and boxes are siblings on the surface; the surface may already
    // have destroyed some of them, which the guarded pointers notice.
    for (QPointer<MyShape>* cocuk : {&leftChild_, &rightChild_})
        if (*cocuk) {
            (*cocuk)->hide();
            delete cocuk->data();
            *cocuk = nullptr;
        }
    for (QPointer<QLineEdit>* kutu : {&leftEdit_, &rightEdit_})
        if (*kutu) {
            (*kutu)->hide();
            delete kutu->data();
            *kutu = nullptr;
        }
}

void MyShape::SetValue(int deger)
{
    dugum_->SetValue(deger);
    DegeriGoster();
}

void MyShape::DegeriGoster()
{
    gosterilenDeger_ = dugum_->Value();
    if (dugum_->IsPrime()) {
        Sekil = SekilTuru::Daire;
        Firca = clAqua;
    } else {
        Sekil = SekilTuru::Kare;
        Firca = clYellow;
    }
    update();
}

bool MyShape::IsPrime() const
{
    return dugum_->IsPrime();
}

int MyShape::Depth() const
{
    return parentNode_ ? parentNode_->Depth() + 1 : 1;
}

int MyShape::OwnerTag() const
{
    const QWidget* yuzey = parentWidget();
    if (!yuzey)
        return 0;
    const QVariant tag = yuzey->property(FORM_TAG_OZELLIGI);
    return tag.isValid() ? tag.toInt() : 0;
}

void MyShape::FitWidth()
{
    resize(fontMetrics().horizontalAdvance(QString::number(Value())) + 20, height());
}

void MyShape::CocukYerleri(QPoint& sol, QPoint& sag) const
{
    const int s = Spread / (2 * Depth());
    sol = QPoint(x() - s, y() + SEVIYE_ARASI);
    sag = QPoint(x() + width() + s, y() + SEVIYE_ARASI);
}

void MyShape::CreateChildren()
{
    if (leftChild_ || rightChild_ || !dugum_->LeftChild() || !dugum_->RightChild())
        return;
    QPoint sol, sag;
    CocukYerleri(sol, sag);
    leftChild_ = new MyShape(parentWidget(), dugum_->LeftChild(), false, this);
    rightChild_ = new MyShape(parentWidget(), dugum_->RightChild(), false, this);
    leftChild_->move(sol);
    rightChild_->move(sag);
    // Placeholders (one of them is 1) until a divisor is entered.
    leftChild_->hide();
    rightChild_->hide();
}

QLineEdit* MyShape::KutuYap(bool sag)
{
    auto* kutu = new BolenKutusu(parentWidget(), this, sag);
    kutu->resize(KUTU_GENISLIK, KUTU_YUKSEKLIK);
    return kutu;
}

void MyShape::KutulariYerlestir()
{
    if (leftEdit_ && rightEdit_ && leftChild_ && rightChild_) {
        leftEdit_->move(x() - KUTU_GENISLIK, leftChild_->y());
        rightEdit_->move(x() + KUTU_GENISLIK, rightChild_->y());
    }
}

void MyShape::Expand()
{
    dugum_->Expand();
    Yansit();
}

void MyShape::Yansit()
{
    if (gosterilenDeger_ != dugum_->Value())
        DegeriGoster();
    if (gosterilenDurum_ != State)
        DurumuGoster();
    if (dugum_->Acildi())
        FitWidth();
    CreateChildren();
    if (dugum_->KutularVar() && !leftEdit_ && !rightEdit_) {
        leftEdit_ = KutuYap(false);
        rightEdit_ = KutuYap(true);
        KutulariYerlestir();
    }
    if (leftEdit_ && rightEdit_) {
        leftEdit_->setVisible(dugum_->KutularAcik());
        rightEdit_->setVisible(dugum_->KutularAcik());
    }
    if (leftChild_ && rightChild_) {
        leftChild_->setVisible(dugum_->CocuklarGorunur());
        rightChild_->setVisible(dugum_->CocuklarGorunur());
        leftChild_->Yansit();
        rightChild_->Yansit();
    }
}

void MyShape::Bildir(const BolmeSonucu& sonuc)
{
    if (sonuc.Ses)
        SesCal(sonuc.Ses);
    if (!sonuc.Mesaj.isEmpty())
        Ortam::Gecerli().MesajGoster(sonuc.Mesaj);
}

int MyShape::ReadEditNumber(const QLineEdit* kutu)
{
    if (!kutu || kutu->text().isEmpty())
        return 0;
    return TamsayiyaCevirVeyaHata(kutu->text());
}

void MyShape::EditEntered(QLineEdit* kutu)
{
    if (!kutu || (kutu != leftEdit_ && kutu != rightEdit_))
        return;
    const BolmeSonucu sonuc = dugum_->EditEntered(ReadEditNumber(kutu), kutu == leftEdit_);
    Bildir(sonuc);
    if (sonuc.Sonuc == BolmeSonucu::Bolmez) {
        // Another try in the same box: what is typed replaces the refused number.
        kutu->setFocus(Qt::OtherFocusReason);
        kutu->selectAll();
        return;
    }
    if (sonuc.Sonuc != BolmeSonucu::Bolundu)
        return;
    // The box leaves with its node's split; without a place to go the focus
    // would follow the tab order, often into the other tree.
    Yansit();
    if (parentWidget())
        parentWidget()->update();
    MyShape* kok = this;
    while (kok->parentNode_)
        kok = kok->parentNode_;
    const CarpanDugumu* sonraki = SonrakiBekleyen(*kok->dugum_, *dugum_);
    MyShape* gosteren = kok->Gosteren(sonraki);
    if (gosteren && gosteren->leftEdit_)
        gosteren->leftEdit_->setFocus(Qt::OtherFocusReason);
    else if (!sonraki)
        emit kok->AgacBitti();
}

MyShape* MyShape::Gosteren(const CarpanDugumu* d) const
{
    if (!d)
        return nullptr;
    if (dugum_ == d)
        return const_cast<MyShape*>(this);
    for (const QPointer<MyShape>& cocuk : {leftChild_, rightChild_})
        if (cocuk)
            if (MyShape* m = cocuk->Gosteren(d))
                return m;
    return nullptr;
}

QLineEdit* MyShape::BekleyenKutu() const
{
    const MyShape* m = Gosteren(dugum_->IlkBekleyen());
    return m ? m->leftEdit_.data() : nullptr;
}

void MyShape::LayoutChildren()
{
    if (leftChild_ && rightChild_) {
        QPoint sol, sag;
        CocukYerleri(sol, sag);
        leftChild_->move(sol);
        rightChild_->move(sag);
        leftChild_->LayoutChildren();
        rightChild_->LayoutChildren();
    }
    KutulariYerlestir();
}

void MyShape::DrawEdges(QPainter* p) const
{
    if (!p)
        return;
    p->setPen(QPen(RenkQ(clRed), 2));
    const QPoint alt(x() + width() / 2, y() + height());
    if (leftChild_ && !leftChild_->isHidden()) {
        p->drawLine(alt, QPoint(leftChild_->x() + leftChild_->width() / 2, leftChild_->y()));
        leftChild_->DrawEdges(p);
    } else if (leftEdit_) {
        p->drawLine(alt, QPoint(x() - 20, y() + SEVIYE_ARASI));
        if (leftChild_)
            leftChild_->DrawEdges(p);
    }
    if (rightChild_ && !rightChild_->isHidden()) {
        p->drawLine(alt, QPoint(rightChild_->x() + rightChild_->width() / 2, rightChild_->y()));
        rightChild_->DrawEdges(p);
    } else if (rightEdit_) {
        p->drawLine(alt, QPoint(x() + 60, y() + SEVIYE_ARASI));
        if (rightChild_)
            rightChild_->DrawEdges(p);
    }
}

void MyShape::AutoSplit()
{
    Bildir(dugum_->AutoSplit());
    Yansit();
    if (parentWidget())
        parentWidget()->update();
}

void MyShape::SolveAll()
{
    for (const BolmeSonucu& sonuc : dugum_->SolveAll())
        Bildir(sonuc);
    Yansit();
    if (parentWidget())
        parentWidget()->update();
}

int MyShape::CountUnsplit() const
{
    return dugum_->CountUnsplit();
}

int MyShape::CountAvailable(int deger) const
{
    return dugum_->CountAvailable(deger);
}

bool MyShape::TakeAvailable(int deger)
{
    if (!dugum_->TakeAvailable(deger))
        return false;
    Yansit();
    return true;
}

void MyShape::SetState(int durum)
{
    dugum_->SetState(durum);
    DurumuGoster();
}

void MyShape::DurumuGoster()
{
    gosterilenDurum_ = State;
    if (State == -1) {
        OtomatikSurukle(this, false);
        Firca = clRed;
    } else if (State == 0) {
        OtomatikSurukle(this, false);
        Firca = clSilver;
    } else {
        OtomatikSurukle(this, true);
    }
    update();
}

void MyShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SekliCiz(p);
    // From the first painting on, the outline is red.
    Kalem = clRed;
    const QString metin = QString::number(Value());
    const QFontMetrics fm(font());
    p.setPen(Qt::black);
    p.drawText((width() - fm.horizontalAdvance(metin)) / 2, (height() - fm.height()) / 2 + fm.ascent(), metin);
}

void MyShape::mousePressEvent(QMouseEvent* olay)
{
    // A press on a node is the node's: the surface under it must not see a click.
    olay->accept();
}

void MyShape::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
}

// ---------------------------------------------------------------------------

QPointer<SayiShape> SayiShape::Hovered;
bool SayiShape::ShowAllLabels = false;

namespace {
QFont JetonYazisi()
{
    return Yazi(YaziAilesi::Arial, 12);
}
}

SayiShape::SayiShape(QWidget* sahip, int deger, bool tiklamaKipi) : SekilKontrolu(sahip)
{
    resize(30, 30);
    Sekil = SekilTuru::Daire;
    Firca = clYellow;
    setFont(JetonYazisi());
    setMouseTracking(true);
    SetMark(0);
    SetValue(deger);
    SetClickMode(tiklamaKipi);
}

SayiShape::~SayiShape() = default;

bool SayiShape::IsPrime() const
{
    return ::IsPrime(Value);
}

void SayiShape::IsaretRenkleri()
{
    switch (Mark) {
    case 0:
        Firca = clYellow;
        break;
    case 2:
        if (IsPrime()) {
            Firca = clAqua;
            Sekil = SekilTuru::Daire;
        } else {
            Firca = clRed;
        }
        break;
    default:
        Firca = clWhite;
    }
    update();
}

void SayiShape::SetMark(int isaret)
{
    Mark = static_cast<quint8>(isaret);
    basma_ = Basma::Yok;
    hover_ = false;
    if (Mark == 0) {
        hover_ = true;
        basma_ = Basma::Basildi;
    }
    IsaretRenkleri();
}

void SayiShape::SetClickMode(bool kip)
{
    ClickMode = kip;
    if (kip) {
        setAcceptDrops(false);
        hover_ = true;
        basma_ = Basma::Basildi;
    } else {
        SurukleHedefiKur(
            this, [this](QObject* kaynak, QPoint p) { return XDragOver(kaynak, p); },
            [this](QObject* kaynak, QPoint p) { XDragDrop(kaynak, p); });
        hover_ = false;
        basma_ = Basma::Yok;
    }
}

bool SayiShape::XDragOver(QObject* kaynak, QPoint) const
{
    return qobject_cast<SayiShape*>(kaynak) != nullptr;
}

void SayiShape::XDragDrop(QObject* kaynak, QPoint)
{
    MesajGonder(parentWidget(), MSG_SHAPE_DROPPED, MesajParametresi(this), MesajParametresi(kaynak));
}

void SayiShape::Hover()
{
    if (Hovered)
        Hovered->IsaretRenkleri();
    Firca = clGray;
    update();
    Hovered = this;
}

QString SayiShape::Etiket() const
{
    return Value == UNKNOWN_VALUE ? QStringLiteral("X") : QString::number(Value);
}

bool SayiShape::EtiketCizilir() const
{
    switch (Mark) {
    case 0:
        return true;
    case 2:
        return IsPrime() || ShowAllLabels;
    default:
        return false;
    }
}

void SayiShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SekliCiz(p);
    if (!EtiketCizilir())
        return;
    Kalem = clRed;
    const QString metin = Etiket();
    const QFontMetrics fm(font());
    const QPoint sol = OrtalaMetin(fm, metin, Merkez().x(), Merkez().y());
    p.setPen(Qt::black);
    p.drawText(sol.x(), sol.y() + fm.ascent(), metin);
}

void SayiShape::mousePressEvent(QMouseEvent* olay)
{
    olay->accept();
    // The receiver may strike, move or destroy this token: nothing of it is touched afterwards.
    if (basma_ == Basma::Basildi)
        MesajGonder(parentWidget(), MSG_SHAPE_PRESSED, MesajParametresi(&Value));
    else if (basma_ == Basma::Etkin)
        MesajGonder(parentWidget(), MSG_SHAPE_ACTIVATED, MesajParametresi(this));
}

void SayiShape::mouseMoveEvent(QMouseEvent* olay)
{
    if (hover_)
        Hover();
    QWidget::mouseMoveEvent(olay);
}

void SayiShape::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
    MesajGonder(parentWidget(), MSG_SHAPE_ACTIVATED, MesajParametresi(&Value));
}

// ---------------------------------------------------------------------------

ImajSayiShape::ImajSayiShape(QWidget* sahip, int deger, bool tiklamaKipi) : SayiShape(sahip, deger, tiklamaKipi)
{
    basma_ = Basma::Etkin;
}

ImajSayiShape::~ImajSayiShape() = default;

void ImajSayiShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w3 = width() / 3;
    const int h3 = height() / 3;
    const int h6 = height() / 6;
    p.setPen(QPen(RenkQ(Kalem), 1));
    p.setBrush(RenkQ(Firca));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawEllipse(QRect(w3, 0, w3 - 1, h3 - 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRect(0, h3, 3 * w3 - 1, 2 * h3 - 1));
    const QString metin = Etiket();
    const QFontMetrics fm(font());
    const QPoint sol = OrtalaMetin(fm, metin, Merkez().x(), Merkez().y() + h6);
    p.setPen(Qt::black);
    p.drawText(sol.x(), sol.y() + fm.ascent(), metin);
}
