#pragma once

class QDialog;
class QWidget;

// Makes the activity window of launch code 1 .. 13, owned by `sahip`;
// nullptr for a code that has no window.
QDialog* EtkinlikOlustur(int kod, QWidget* sahip);
