#pragma once
#include <QFont>
#include <QString>

// A font asked for by the name the program's design gives (fontconfig maps
// Arial, Tahoma, MS Sans Serif, Courier New and Century Gothic to the free
// fonts the scripts install), `piksel` pixels high.
inline QFont PikselYazi(const QString& aile, int piksel, bool kalin = true)
{
    QFont f(aile);
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}
