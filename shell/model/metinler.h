#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <memory>

// Collects characters from `konum` up to, not including, the next `ayirici` or
// the end. `konum` is left on the separator, or past it when `atla` is set.
QString MetinParcasiAl(const QString& metin, int& konum, QChar ayirici, bool atla);
// "3é4é" for 3 and 4: the pair's key in the sets board.
QString CiftMetni(int a, int b);
QString KarakterTekrar(QChar c, int n);
QString MetinTersCevir(const QString& metin);
// Fixed-point text with '.' whatever the locale: code 0, 1, 2 and 6 give that
// many decimals, every other code three. Rounds as printf does.
QString SayiMetni(float x, int kod);
QString TamsayiMetni(long long n);
// The number at the start of the text, as atof reads it but always with '.'
// as decimal point: leading blanks skipped, the longest numeric prefix, 0 when none.
double MetinSayiya(const QString& metin);
// "0" without a list; else the items joined by `ayirici`, led by their count
// and a separator when `sayiIle` is set.
QString ListeBirlestir(const QStringList* liste, QChar ayirici, bool sayiIle);
// The comma separated pieces of `metin` (empty pieces kept, nothing after a
// trailing comma); nullptr for an empty text.
std::unique_ptr<QStringList> VirgulleAyir(const QString& metin);
