#pragma once
#include <QList>
#include <QPoint>
#include <functional>

class QDropEvent;
class QObject;
class QWidget;

// Drag and drop of the program's own controls, one mechanism for all.
//
// Source side: automatic drag mode. A left press followed by a move past
// QApplication::startDragDistance() starts a QDrag whose source() is the
// widget, unless the widget is disabled; the pointer carries a picture of it.
// Manual drag mode is simply the helper switched off.
void OtomatikSurukle(QWidget* kaynak, bool acik);
bool OtomatikSurukleAcik(const QWidget* kaynak);

// Target side: the rules live in two functions that tests call directly.
// `uzerinde` answers whether `kaynak` may be dropped at `p` (target coordinates);
// `birak` performs the drop; it removes a source with deleteLater(), never
// with delete, since the drag is still running. The helper turns drag-enter, drag-move and drop
// events of `hedef` into calls of them and enables drops on it.
using SurukleUzerindeIslevi = std::function<bool(QObject* kaynak, QPoint p)>;
using SurukleBirakIslevi = std::function<void(QObject* kaynak, QPoint p)>;
void SurukleHedefiKur(QWidget* hedef, SurukleUzerindeIslevi uzerinde, SurukleBirakIslevi birak);

// Drops `kaynak` on `hedef` at `p` (target coordinates) as a drag that ends
// there does: the target's rules decide and, when they accept, the drop is
// performed. False when the rules refuse or `hedef` is no drop target.
bool SurukleBirak(QObject* kaynak, QWidget* hedef, QPoint p);

// The drag loop. A source normally hands its drag to the platform (QDrag::exec),
// which runs until the button is released. A test can put a driver in its
// place: it is called with the source where the platform's loop would run, and
// ends the drag itself, usually with SurukleBirak. An empty driver restores
// the platform's loop.
using SuruklemeSurucusu = std::function<void(QWidget* kaynak)>;
void SuruklemeSurucusuKur(SuruklemeSurucusu surucu);

// For a widget that overrides the drag events itself: the dragged object of an
// event (only drags started inside this program have one), and the point.
QObject* SurukleKaynagi(const QDropEvent* olay);
QPoint SuruklemeNoktasi(const QDropEvent* olay);

// The keyboard path, the same for every widget in automatic drag mode. Such a
// widget takes the focus by Tab (a click gives it none, so the mouse works as
// before). With it focused, Space picks it up: a picture of it stands over it
// in its window. The arrow keys move the picture (Shift: ten pixels at a
// time), Tab and Shift+Tab carry it to the next or previous place that would
// take it. Enter drops it where the picture's hot spot is, through the target's
// `uzerinde`/`birak` rules, exactly as a mouse drop there would; a drop
// that the rules refuse leaves everything as it was. Escape, or the focus
// leaving, puts it back.
//
// The hot spot is the picture's centre unless SurukleTutamagi gives another
// point of the widget.
void SurukleTutamagi(QWidget* kaynak, QPoint tutamak);
// A target's places for Tab, in its own coordinates (a pan's middle, the
// regions of a diagram). A target with none offers its centre. Only places
// in sight whose rules accept the carried widget are visited, top to bottom
// and left to right. Set after SurukleHedefiKur.
using SurukleYerleriIslevi = std::function<QList<QPoint>()>;
void SurukleYerleriKur(QWidget* hedef, SurukleYerleriIslevi yerler);
// The widget being carried by keys, if any (one at a time in the program).
QWidget* KlavyeIleTasinan();

// The MIME type every drag of the program carries.
extern const char* const SURUKLE_MIME;
