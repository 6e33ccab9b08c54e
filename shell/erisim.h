#pragma once
#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

// Screen readers. A drawn object of a board (a token, a cell, a chip, a
// garment, a card) is a widget that paints itself; readers know nothing of
// what it shows. ErisimKur gives it a role, a name and state bits, each read
// from the activity's model whenever a reader asks, so the name never goes
// stale: "17, asal, işaretlendi", "+1 pulu", "Kırmızı gömlek".
//
// Call it where the widget is made, before a reader has seen it. A widget
// without it keeps Qt's own description.
using ErisimAdi = std::function<QString()>;
using ErisimDurumu = std::function<void(QAccessible::State&)>;
void ErisimKur(QWidget* nesne, QAccessible::Role rol, ErisimAdi ad, ErisimDurumu durum = {});

// Tells readers that what `nesne` shows has changed (marked, moved, selected,
// answered): its name and its checked/selected state are read again.
void ErisimDegisti(QWidget* nesne);
