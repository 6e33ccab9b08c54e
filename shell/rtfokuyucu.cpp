#include "rtfokuyucu.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// Groups nested deeper than this are read as text-less, but their braces still count.
constexpr int kEnDerinGrup = 1000;
// Numeric parameters are clamped to this magnitude while they are read.
constexpr long long kSayiSiniri = 1000000000LL;
constexpr int kRenkTablosuSiniri = 1024;
// \fs is in half points.
constexpr int kVarsayilanYarimPunto = 24;
constexpr int kEnKucukYarimPunto = 2;
constexpr int kEnBuyukYarimPunto = 1000;

constexpr char16_t kBilinmeyen = 0xFFFD;

// Windows-1254 from 0x80 up; 0 marks a byte the code page leaves undefined.
constexpr char16_t kCp1254Ust[128] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0,      0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0,      0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF,
};

// Destinations whose text is never shown. Any group marked with \* is skipped as well.
constexpr std::string_view kAtlananHedefler[] = {
    "fonttbl", "filetbl", "stylesheet", "listtable", "listoverridetable", "revtbl", "rsidtbl",
    "info", "pict", "object", "nonshppict", "header", "headerl", "headerr", "headerf",
    "footer", "footerl", "footerr", "footerf", "footnote", "ftnsep", "ftnsepc", "aftnsep",
    "fldinst", "xe", "tc", "txe", "themedata", "colorschememapping", "latentstyles", "datastore",
};

enum class Hedef { Metin, Atla, RenkTablosu };

struct Karakter
{
    bool kalin = false;
    bool egik = false;
    bool altiCizili = false;
    bool gizli = false;
    int yarimPunto = kVarsayilanYarimPunto;
    int renk = 0;

    bool operator!=(const Karakter& o) const
    {
        return std::tie(kalin, egik, altiCizili, gizli, yarimPunto, renk)
            != std::tie(o.kalin, o.egik, o.altiCizili, o.gizli, o.yarimPunto, o.renk);
    }
};

struct Durum
{
    Karakter karakter;
    Qt::Alignment hiza = Qt::AlignLeft;
    int uc = 1;
    Hedef hedef = Hedef::Metin;
};

bool Harf(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool Rakam(unsigned char c) { return c >= '0' && c <= '9'; }

int OnaltilikDeger(unsigned char c)
{
    if (Rakam(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int Sinirla(long long n, int alt, int ust) { return int(std::clamp<long long>(n, alt, ust)); }

class Okuyucu
{
public:
    Okuyucu(const QByteArray& veri, QTextDocument* belge)
        : p_(veri.constData()), son_(veri.constData() + veri.size()), imlec_(belge)
    {
        yigin_.emplace_back();
    }

    void Oku()
    {
        while (p_ < son_) {
            const unsigned char c = static_cast<unsigned char>(*p_++);
            if (c == '{') {
                atlanacak_ = 0;
                GrupAc();
            } else if (c == '}') {
                atlanacak_ = 0;
                GrupKapat();
            } else if (c == '\\')
                Kontrol();
            else if (c == '\r' || c == '\n')
                continue;
            else if (atlanacak_ > 0)
                --atlanacak_;
            else
                Bayt(c);
        }
        Bosalt();
        BlokBicimiVer();
    }

private:
    Durum& D() { return yigin_.back(); }

    bool Gorunur() const
    {
        const Durum& d = yigin_.back();
        return fazlaDerinlik_ == 0 && d.hedef == Hedef::Metin && !d.karakter.gizli;
    }

    void GrupAc()
    {
        if (fazlaDerinlik_ > 0 || yigin_.size() >= size_t(kEnDerinGrup))
            ++fazlaDerinlik_;
        else
            yigin_.push_back(yigin_.back());
    }

    void GrupKapat()
    {
        if (fazlaDerinlik_ > 0)
            --fazlaDerinlik_;
        else if (yigin_.size() > 1)
            yigin_.pop_back();
    }

    // A destination word or \* hides the rest of its group; outside every group it is ignored,
    // so a stray one cannot hide the whole document.
    void HedefVer(Hedef h)
    {
        if (fazlaDerinlik_ == 0 && yigin_.size() > 1 && D().hedef != Hedef::Atla)
            D().hedef = h;
    }

    void Bayt(unsigned char c)
    {
        if (fazlaDerinlik_ > 0)
            return;
        if (D().hedef == Hedef::RenkTablosu) {
            if (c == ';')
                RenkEkle();
            return;
        }
        Yaz(Cp1254Karakter(c).unicode());
    }

    void Kontrol()
    {
        if (p_ == son_)
            return;
        const unsigned char c = static_cast<unsigned char>(*p_);
        if (Harf(c)) {
            Sozcuk();
            return;
        }
        ++p_;
        if (c == '\'') {
            if (son_ - p_ < 2 || OnaltilikDeger(p_[0]) < 0 || OnaltilikDeger(p_[1]) < 0)
                return;
            const int deger = OnaltilikDeger(p_[0]) * 16 + OnaltilikDeger(p_[1]);
            p_ += 2;
            if (atlanacak_ > 0)
                --atlanacak_;
            else
                Bayt(static_cast<unsigned char>(deger));
            return;
        }
        if (atlanacak_ > 0) {
            --atlanacak_;
            return;
        }
        if (c == '\\' || c == '{' || c == '}')
            Yaz(c);
        else if (c == '~')
            Yaz(0x00A0);
        else if (c == '_')
            Yaz(0x2011);
        else if (c == '*')
            HedefVer(Hedef::Atla);
        else if (c == '\r' || c == '\n')
            Paragraf();
    }

    void Sozcuk()
    {
        const char* bas = p_;
        while (p_ < son_ && Harf(static_cast<unsigned char>(*p_)))
            ++p_;
        const std::string_view ad(bas, size_t(p_ - bas));

        bool degerVar = false;
        long long deger = 0;
        bool eksi = false;
        if (son_ - p_ >= 2 && *p_ == '-' && Rakam(static_cast<unsigned char>(p_[1]))) {
            eksi = true;
            ++p_;
        }
        while (p_ < son_ && Rakam(static_cast<unsigned char>(*p_))) {
            degerVar = true;
            if (deger <= kSayiSiniri)
                deger = deger * 10 + (*p_ - '0');
            ++p_;
        }
        deger = std::min(deger, kSayiSiniri);
        if (eksi)
            deger = -deger;
        if (p_ < son_ && *p_ == ' ')
            ++p_;

        if (ad == "bin") {
            // The binary data may hold any byte, braces included, so it is passed over wherever it stands.
            p_ += std::clamp<long long>(deger, 0, son_ - p_);
            if (atlanacak_ > 0)
                --atlanacak_;
            return;
        }
        if (atlanacak_ > 0) {
            --atlanacak_;
            return;
        }
        if (fazlaDerinlik_ > 0)
            return;
        Uygula(ad, degerVar, deger);
    }

    void Uygula(std::string_view ad, bool degerVar, long long deger)
    {
        Durum& d = D();
        Karakter& k = d.karakter;
        const bool acik = !degerVar || deger != 0;
        if (ad == "par" || ad == "page") Paragraf();
        else if (ad == "line") Yaz(QChar::LineSeparator);
        else if (ad == "tab") Yaz(u'\t');
        else if (ad == "emdash") Yaz(0x2014);
        else if (ad == "endash") Yaz(0x2013);
        else if (ad == "bullet") Yaz(0x2022);
        else if (ad == "lquote") Yaz(0x2018);
        else if (ad == "rquote") Yaz(0x2019);
        else if (ad == "ldblquote") Yaz(0x201C);
        else if (ad == "rdblquote") Yaz(0x201D);
        else if (ad == "b") k.kalin = acik;
        else if (ad == "i") k.egik = acik;
        else if (ad == "ul") k.altiCizili = acik;
        else if (ad == "ulnone") k.altiCizili = false;
        else if (ad == "v") k.gizli = acik;
        else if (ad == "fs")
            k.yarimPunto = degerVar && deger > 0 ? Sinirla(deger, kEnKucukYarimPunto, kEnBuyukYarimPunto)
                                                 : kVarsayilanYarimPunto;
        else if (ad == "cf") k.renk = Sinirla(deger, 0, kRenkTablosuSiniri);
        else if (ad == "plain") k = Karakter();
        else if (ad == "pard") d.hiza = Qt::AlignLeft;
        else if (ad == "ql") d.hiza = Qt::AlignLeft;
        else if (ad == "qc") d.hiza = Qt::AlignHCenter;
        else if (ad == "qr") d.hiza = Qt::AlignRight;
        else if (ad == "qj") d.hiza = Qt::AlignJustify;
        else if (ad == "uc") d.uc = degerVar ? Sinirla(deger, 0, int(kSayiSiniri)) : 1;
        else if (ad == "u") {
            if (degerVar) {
                UnicodeYaz(deger);
                atlanacak_ = d.uc;
            }
        }
        else if (ad == "colortbl") {
            HedefVer(Hedef::RenkTablosu);
            if (D().hedef == Hedef::RenkTablosu) {
                renkler_.clear();
                renkParcasi_ = RenkParcasi();
            }
        }
        else if (ad == "red") renkParcasi_.Ver(renkParcasi_.kirmizi, deger);
        else if (ad == "green") renkParcasi_.Ver(renkParcasi_.yesil, deger);
        else if (ad == "blue") renkParcasi_.Ver(renkParcasi_.mavi, deger);
        else if (std::find(std::begin(kAtlananHedefler), std::end(kAtlananHedefler), ad)
                 != std::end(kAtlananHedefler))
            HedefVer(Hedef::Atla);
    }

    // RTF carries UTF-16 code units as signed 16-bit numbers.
    void UnicodeYaz(long long n)
    {
        if (n < 0)
            n += 65536;
        if (n < 0 || n > 0x10FFFF)
            Yaz(kBilinmeyen);
        else if (n > 0xFFFF) {
            Yaz(QChar::highSurrogate(char32_t(n)));
            Yaz(QChar::lowSurrogate(char32_t(n)));
        } else
            Yaz(char16_t(n));
    }

    void Yaz(char16_t c)
    {
        if (!Gorunur())
            return;
        if (c == QChar::ParagraphSeparator) {
            Paragraf();
            return;
        }
        if (c < 0x20 && c != u'\t')
            return;
        // The document keeps these for its own frame and object structure.
        if (c == 0xFDD0 || c == 0xFDD1 || c == QChar::ObjectReplacementCharacter)
            c = kBilinmeyen;
        const Karakter& k = D().karakter;
        if (parca_.isEmpty())
            parcaBicimi_ = k;
        else if (parcaBicimi_ != k) {
            Bosalt();
            parcaBicimi_ = k;
        }
        parca_.append(QChar(c));
    }

    void Paragraf()
    {
        if (!Gorunur())
            return;
        Bosalt();
        BlokBicimiVer();
        imlec_.insertBlock();
    }

    void BlokBicimiVer()
    {
        QTextBlockFormat bicim = imlec_.blockFormat();
        bicim.setAlignment(D().hiza);
        imlec_.setBlockFormat(bicim);
    }

    void Bosalt()
    {
        if (parca_.isEmpty())
            return;
        VekilleriDuzelt(parca_);
        const Karakter& k = parcaBicimi_;
        QTextCharFormat bicim;
        bicim.setFontWeight(k.kalin ? QFont::Bold : QFont::Normal);
        bicim.setFontItalic(k.egik);
        bicim.setFontUnderline(k.altiCizili);
        bicim.setFontPointSize(k.yarimPunto / 2.0);
        if (k.renk > 0 && size_t(k.renk) < renkler_.size() && renkler_[size_t(k.renk)].isValid())
            bicim.setForeground(renkler_[size_t(k.renk)]);
        imlec_.insertText(parca_, bicim);
        parca_.clear();
    }

    // A surrogate without its partner becomes U+FFFD.
    static void VekilleriDuzelt(QString& s)
    {
        const qsizetype n = s.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = s.at(i);
            if (c.isHighSurrogate() && i + 1 < n && s.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                s[i] = QChar(kBilinmeyen);
        }
    }

    // An entry without components is the automatic colour.
    struct RenkParcasi
    {
        int kirmizi = 0, yesil = 0, mavi = 0;
        bool var = false;
        void Ver(int& bilesen, long long deger)
        {
            bilesen = Sinirla(deger, 0, 255);
            var = true;
        }
    };

    void RenkEkle()
    {
        if (renkler_.size() < size_t(kRenkTablosuSiniri))
            renkler_.push_back(renkParcasi_.var
                                   ? QColor(renkParcasi_.kirmizi, renkParcasi_.yesil, renkParcasi_.mavi)
                                   : QColor());
        renkParcasi_ = RenkParcasi();
    }

    const char* p_;
    const char* son_;
    QTextCursor imlec_;
    std::vector<Durum> yigin_;
    int fazlaDerinlik_ = 0;
    // Fallback characters still to pass over after a \u.
    int atlanacak_ = 0;
    std::vector<QColor> renkler_;
    RenkParcasi renkParcasi_;
    QString parca_;
    Karakter parcaBicimi_;
};

} // namespace

QChar Cp1254Karakter(unsigned char bayt)
{
    if (bayt < 0x80)
        return QChar(char16_t(bayt));
    const char16_t c = kCp1254Ust[bayt - 0x80];
    return QChar(c != 0 ? c : kBilinmeyen);
}

void RtfOku(const QByteArray& veri, QTextDocument* belge)
{
    if (!belge)
        return;
    belge->clear();
    const bool geriAlma = belge->isUndoRedoEnabled();
    belge->setUndoRedoEnabled(false);
    {
        Okuyucu okuyucu(veri, belge);
        QTextCursor toplu(belge);
        toplu.beginEditBlock();
        try {
            okuyucu.Oku();
        } catch (...) {
            // Only an exhausted memory can end up here; what was read so far stays.
        }
        toplu.endEditBlock();
    }
    belge->setUndoRedoEnabled(geriAlma);
}
