#pragma once
#include "Mystringstack.h"

#include <QChar>
#include <QString>
#include <QStringList>

class Mydegiskenler;

// The function-application token that follows every function name in a token list.
constexpr char16_t UYGULAMA_ISARETI = 0x00C4;
// The postfix token of a minus that has no left operand: the sign of the
// operand after it. U+2212 is of the class "other" in a typed text, so a
// pupil can never type this token.
constexpr char16_t ISARET_EKSI = 0x2212;

// The expression evaluator: turns an expression text into tokens, the tokens
// into postfix order, and evaluates the postfix list on a stack of texts.
// Names are asked of the resolver, which may evaluate other expressions with
// this same evaluator; the names under evaluation let it notice cycles.
// The resolver is not owned.
class Hesapla
{
public:
    explicit Hesapla(Mydegiskenler* cozucu = nullptr) : Cozucu(cozucu) {}

    int DonguBayragi = 0; // set by the resolver when a name refers back to itself
    Mydegiskenler* Cozucu;
    QStringList HesaplananAdlar;
};

enum class KarakterSinifi { TirnakBasi, TirnakSonu, Harf, Rakam, OndalikAyirici, Islec, AcmaParantez, KapamaParantez, Bosluk, Diger };
KarakterSinifi KarakterSinifiBul(QChar c);

// Top-level evaluation: result and cycle flag start at 0, the names list is
// cleared. Errors thrown while evaluating make it fail with result 0. The
// cycle flag is left for the caller to report: only committing a cell says
// "Döngüsel hesaplama hatası", never a repaint.
bool IfadeHesapla(Hesapla& hesap, const QString& ifade, double& sonuc);
// The inner evaluation the resolver uses for referenced cells (`adlariKoru`:
// the names list is kept). Fails with 0 for an empty text; throws HesapHatasi.
bool Hesapla_Degerlendir(Hesapla& hesap, const QString& ifade, double& sonuc, bool adlariKoru);

MetinYigini Parcala(const QString& ifade);
// A "-" with no left operand (first, after "(" or after another operator)
// becomes the sign ISARET_EKSI, which binds tighter than "*", "/" and "%" and
// looser than "^" and the functions: -2^2 is -4, 2*-3 is -6, 5--3 is 8.
MetinYigini SonekeCevir(const MetinYigini& parcalar);
// Every result passes through a 32-bit float written with three decimals.
double SonekHesapla(Hesapla& hesap, const MetinYigini& sonek);
double DegerAl(Hesapla& hesap, const QString& islenen);
double IslemUygula(Hesapla& hesap, const QString& sol, const QString& sag, const QString& islec);
// Whether a token is an operator or a bracket rather than an operand.
bool IslecMi(const QString& parca);
// The value a result takes on when narrowed to a 32-bit float and written with
// three decimals; throws HATA_TASMA for a value no float can hold.
double UcOndalik(double deger);
