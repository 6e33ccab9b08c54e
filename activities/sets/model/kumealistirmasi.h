#pragma once
#include <QPoint>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// What a command of the exercise answers: a sound and a message.
struct KumeYaniti
{
    quint16 Ses = 0;
    QString Mesaj;
};

// The exercise of the sets activity: the letters of two words sorted into A
// and B. The letters common to both words are found once, when the words are
// set, and compared exactly, as the tiles are ("K" and "k" are two letters):
// the hint shows that list and the check holds A∩B against it, so a pupil
// who follows the hint is judged right.
class KumeAlistirmasi
{
public:
    KumeAlistirmasi();

    const QString& Word1() const { return word1_; }
    const QString& Word2() const { return word2_; }
    void KelimeleriAyarla(const QString& ilk, const QString& ikinci);

    // Each letter of Word1 that occurs in Word2, once, in Turkish order;
    // empty when there is none or a word is empty.
    const QStringList& OrtakHarfler() const { return ortak_; }

    // "İpucumuz :AnB={a,n}" with the neutral sound.
    KumeYaniti Ipucu() const;
    // The check: `yerlesecekVar` when a tile of the words is still to be
    // placed, `kesisim` the texts that lie in A∩B.
    KumeYaniti Denetle(bool yerlesecekVar, const QSet<QString>& kesisim) const;

private:
    QString word1_;
    QString word2_;
    QStringList ortak_;
};

// Where the two circles stand on a board of `tahta`: they fill its height but
// leave room at the right for the six lists, which would otherwise cover A.
struct CemberYerleri
{
    int Yaricap;
    QPoint A;
    QPoint B;
};
CemberYerleri CemberYerleriHesapla(QSize tahta);
