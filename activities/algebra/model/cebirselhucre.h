#pragma once
#include <QString>

class Hesapla;

// What a cell of the expression grid shows for its text: nothing for an empty
// text; else the value with one decimal, or "İfadede hata var!" when the
// evaluation fails; with the explanation on and a capital A-Z in the text,
// the text, "=" and that. Never reports a cycle: only committing does.
QString HucreGosterimi(Hesapla& hesap, const QString& metin, bool aciklama);
// Evaluates a committed cell text; true when it refers back to itself, then
// the cell is to be emptied. An empty text is no cycle.
bool DonguluIfade(Hesapla& hesap, const QString& metin);
// A cell of the expression grid as a screen reader says it: the heads
// ("köşe", "A sütunu", "3. satır"), and an inner cell by its reference, its
// text and its value: "A1, boş", "B2, A1*2, değeri 10,0",
// "A3, 1/0, İfadede hata var!".
QString IfadeHucresiAdi(Hesapla& hesap, int sutun, int satir, const QString& metin);
// A cell of the variables grid: "Değişken: X", "Değer: 4,0", "Değer: boş".
QString DegiskenHucresiAdi(int sutun, const QString& metin);
// "A" for column 1, "*" for column 0.
QString SutunBasligi(int sutun);
// a-z become A-Z; every other character, Turkish letters included, stays.
QString AsciiBuyukHarf(QString metin);
// A variable name is made only of the capitals A-Z.
bool DegiskenAdiGecerli(const QString& ad);

inline const QString DONGU_MESAJI = QStringLiteral("Döngüsel hesaplama hatası");
inline const QString IFADE_HATASI = QStringLiteral("İfadede hata var!");
inline const QString DEGISKEN_ADI_HATASI = QStringLiteral("Değişken yalnızca harften oluşmalıdır");
