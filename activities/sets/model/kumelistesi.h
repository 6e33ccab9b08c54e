#pragma once
#include <QString>
#include <QStringList>

// Sorted lists of set elements: Turkish alphabetical order without regard to
// letter case, where "i" and "İ" are one letter, "ı" and "I" another. The
// rule is the same under every process locale.

// The Turkish lower case of `metin`: İ to i, I to ı, every other letter by
// its Unicode lower case.
QString TurkceKucukHarf(const QString& metin);

// Negative, zero or positive as `a` sorts before, with or after `b`.
// Zero exactly when the two are equal without regard to case.
int KumeKarsilastir(const QString& a, const QString& b);

// Puts `oge` into its place in the sorted `liste`, unless an element equal to
// it without regard to case is already there. Returns whether it was added.
bool SiraliEkle(QStringList& liste, const QString& oge);

// Puts `oge` into its place in the sorted `liste` unless exactly the same
// text is there already: "K" and "k" both stay, side by side, the one that
// sorts first by code point ("K") first. Returns whether it was added.
bool SiraliEkleTam(QStringList& liste, const QString& oge);

// The letters of a word, one text per character as the pupil sees it: a
// letter with its combining marks, or an emoji, stays in one piece.
QStringList KelimeHarfleri(const QString& kelime);
