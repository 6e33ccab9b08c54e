#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>

// Lists of widgets that a window keeps but does not own hold guarded
// pointers: a widget deleted with its parent is simply skipped.

// The live items of `liste`, in its order.
template <class T, class Liste>
QList<T*> Canlilar(const Liste& liste)
{
    QList<T*> sonuc;
    for (const QPointer<T>& oge : liste)
        if (oge)
            sonuc << oge.data();
    return sonuc;
}

// Hides every live widget of `liste`, the newest first, deletes it and
// empties the list. With `sonra`, a widget is only hidden at once and deleted
// when control is back in the event loop: one that may be the source of a
// running drag, or in the middle of its own event. A list of fixed size is
// left holding null pointers.
template <class Liste>
void GizleVeSil(Liste& liste, bool sonra = false)
{
    for (auto it = liste.rbegin(); it != liste.rend(); ++it)
        if (QWidget* w = it->data()) {
            w->hide();
            if (sonra)
                w->deleteLater();
            else
                delete w;
        }
    liste = Liste();
}
