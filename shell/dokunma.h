#pragma once

class QApplication;

// A finger on a touch board plays what a mouse plays. Qt turns a tap into a
// click and a touch drag into a mouse drag, so a drop obeys the drag helper's
// rules. Installed on the application, this adds what a board has no button
// for, and makes a double tap what a double click is: Qt takes a second tap
// for one only on the very pixel of the first, where a finger seldom lands
// twice, and there however late it comes.
//
// - A finger held still (within QApplication::startDragDistance()) for
//   UZUN_BASMA_MS opens what a right click opens there: the widget under it
//   gets a context menu event. The touch is then spent: the press ends off the
//   widget, so it is neither a click nor a drag, and nothing more of it
//   reaches a widget. A finger that moves first is a drag, one lifted first a tap.
// - A second tap is a double click only when it comes within the double-click
//   interval of the first and near it (the touch double-tap distance), as two
//   clicks of a mouse must; otherwise it is a press of its own.
//
// Mouse events that come from a mouse are left alone.
constexpr int UZUN_BASMA_MS = 600;

void DokunmayiKur(QApplication& uygulama);
