#pragma once
#include "renk.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

// The rules of the percentages: a number with two decimals is shown as cards
// of a hundred cells, whole cards for its whole part and one partly filled
// card for its hundredths; two numbers are compared by laying the cards of
// the smaller one over those of the larger.

constexpr int YUZDE_HUCRESI = 10;                  // side of one cell, pixels
constexpr int KART_KENARI = YUZDE_HUCRESI * 10 + 1; // a card is 101 x 101
constexpr int KART_YUVASI = 10;                    // cards of one number, at most
constexpr int KART_ARALIGI = 110;                  // card to card, across and down
constexpr int KART_SUTUNU = 4;                     // cards in a column
constexpr int KART_USTU = 65;                      // top of the first row of cards
constexpr int ILK_SOL = 10;                        // left of the first number's cards
constexpr int IKINCI_SOL = 350;                    // left of the second number's cards
constexpr TRenk ILK_RENGI = clYellow;
constexpr TRenk IKINCI_RENGI = clGreen;
// The boxes hold one digit of whole part and two of hundredths.
constexpr int TAM_SINIRI = 9;
constexpr int YUZDELIK_SINIRI = 99;

// A number of the activity: whole part 0 .. 9 and hundredths 0 .. 99.
struct OndalikSayi
{
    int Tam = 0;
    int Yuzdelik = 0;
    // The number in hundredths, 1,10 is 110: compares exactly.
    int Yuzdelikler() const { return Tam * 100 + Yuzdelik; }
    bool operator==(const OndalikSayi& o) const { return Tam == o.Tam && Yuzdelik == o.Yuzdelik; }
};

// What the two boxes of a number give.
struct SayiGirdisi
{
    OndalikSayi Sayi;
    QString YuzdelikMetni; // the hundredths box's text afterwards
    // The message for hundredths that are an integer outside 0 .. 99; when
    // set, nothing else was read and the number stays as it was.
    QString Hata;
};

// The message that refuses hundredths outside 0 .. 99.
QString YuzdelikSiniriMesaji();

// Reads a number from its boxes. An empty box counts as 0. One digit of
// hundredths without a leading zero means tenths: "5" becomes 50 and the box
// shows "50", an empty box shows "0"; "05" stays five hundredths. A text that
// is no integer, and a whole part below 0 or beyond what its box holds,
// throw DonusumHatasi with that text (the whole part is read first);
// hundredths that are an integer below 0 or above 99 give Hata.
SayiGirdisi SayiOku(const QString& tamMetni, const QString& yuzdelikMetni);

// One card of a number: its slot, where it stands, how many cells it fills.
struct KartYeri
{
    int Sira = 0;
    QPoint Konum;
    int Dolu = 0;
};

// Where card `sira` of a number stands apart from the other number: in
// columns of four, from x = 10 for the first number and 350 for the second.
QPoint KartKonumu(bool ilk, int sira);
// The cards of `s`: one full card per whole and one for the hundredths, when there are any.
std::vector<KartYeri> SayiKartlari(bool ilk, OndalikSayi s);

// What a screen reader says of card `sira` of a number filling `dolu` cells:
// "Birinci sayının 2. kartı, yüzde 10 dolu".
QString KartAdi(bool ilk, int sira, int dolu);

// What a card shows; the names are the card's own.
struct KartDurumu
{
    int CellSize = YUZDE_HUCRESI;
    bool Horizontal = true; // fill row by row, else column by column
    TRenk FillColor = ILK_RENGI;
    int FilledCount = 37;   // 0 .. 100
    bool ShowGrid = true;   // the cell outlines in black
    bool ShowEmpty = true;  // the unfilled cells in white; else nothing is drawn there
};

// Column and row of cell `i` (0 .. 99): rows left to right from the top, or
// columns top to bottom from the left.
QPoint KareYeri(int i, bool yatay);
// The pixels cell `i` covers, its outline included; neighbours share the
// outline between them, so ten cells span 10 * kenar + 1 pixels.
QRect HucreAlani(int i, bool yatay, int kenar = YUZDE_HUCRESI);

// A card's picture as a few rectangles, painted in this order: the filled
// cells in the fill colour, the empty cells in white, then the outlines in
// black. Everything lies inside the card; where nothing is painted, what is
// beneath shows through.
struct KartCizimi
{
    std::vector<QRect> Dolu;
    std::vector<QRect> Bos;
    std::vector<QRect> Cizgiler; // one pixel thick
};
KartCizimi KartCiz(const KartDurumu& kart);

// The comparison layout of the two numbers.
struct Karsilastirma
{
    bool Karsilastir = false;
    bool IlkBuyuk = false; // the first number is greater

    // Left of card `sira`: while comparing, both numbers' cards stand at the
    // smaller number's place (the first's on a tie), two cards of a slot exactly on each other.
    int Sol(bool ilk, int sira) const;
    // Only the smaller number's cards hide their empty cells while comparing,
    // so that they can be seen over the larger number's.
    bool BosGoster(bool ilk) const;
    // Whether the number's cards are raised above the other's: the smaller
    // number's while comparing, and no one's otherwise.
    bool Ustte(bool ilk) const;
    // Whether a dropped card of the number comes to the top of the stack: any
    // card while not comparing; while comparing only one whose number lies on top.
    bool BirakincaUsteCikar(bool ilk) const;
};
Karsilastirma KarsilastirmaDuzeni(OndalikSayi ilk, OndalikSayi ikinci, bool karsilastir);

// Where a card dropped at `p` on a table of `masa` lands: its top-left
// corner at `p`, held back from the right and bottom edges so that the whole
// card stays on the table, and never above or left of it.
QPoint BirakmaYeri(QPoint p, QSize masa);
